// The events of the precise sky that one calendar year needs, cut to what the
// calendar keeps of them: the JST day and the JST second of each instant.
//
// Solving them (precise_sky.h) costs some 1.8 ms a year, so the build solves every
// year of the precise range once, with the same code, and compiles the result in
// (tools/precise_year_table_main.cpp); preciseYearEvents() then reads a year from
// that table. The day and the second it gives are those of the direct solve, to
// the last second: a test holds the two together.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "astro/precise_sky.h"

namespace ventorel {

// An instant of the sky as the calendar keeps it: its JST day and the JST second,
// cut (not rounded) from the full-precision instant, so that 23:59:59.9 stays on
// its day at 23:59:59. Cut seconds still round to the same nearest minute as the
// full instant: the half minute lies on a whole second.
struct SkyEvent {
  std::int64_t dayNumber;  // Julian Day Number of the JST date
  int secondOfDay;         // 0..86399

  int minuteOfDay() const { return secondOfDay / 60; }
  int hour() const { return secondOfDay / 3600; }
  int minute() const { return secondOfDay / 60 % 60; }
  int second() const { return secondOfDay % 60; }
  // The JST date as the calendar's day count (0 = 1982-08-19).
  double epochDay() const;
  bool operator==(const SkyEvent&) const = default;
};

// An instant rounded to the nearest JST minute, as the almanac prints its times; it
// stays on the day of the exact instant (from 23:59:30 on it is 23:59).
SkyEvent nearestMinute(const JstInstant& instant);

// A principal phase of the Moon (0 朔, 1 上弦, 2 望, 3 下弦), cut to the second.
struct PhaseEvent {
  int quarter;
  SkyEvent at;
  bool operator==(const PhaseEvent&) const = default;
};
inline constexpr int PhaseSlots = 53;

// An eclipse of the year as the whole Earth has it (eclipses.h): the kind, the
// greatest instant, the magnitude to 1e-4, and for the Moon the beginning and
// end (for the Sun both are the greatest), each at its nearest minute.
struct EclipseEvent {
  int body;  // EclipseBody
  int kind;  // EclipseKind
  SkyEvent greatest, begin, end;
  int magnitude;  // 1e-4
  bool operator==(const EclipseEvent&) const = default;
};
inline constexpr int EclipseSlots = 7;  // no year has more

// The Sun's longitudes, beyond the terms, whose passages the calendar marks.
inline constexpr std::array<double, 6> ExtraSolarLongitudes = {80, 100, 27, 117, 207, 297};

struct PreciseYearEvents {
  int year;
  // [k] is the passage of 15 k degrees, as solarTermInstants: 0 = 春分,
  // 18 = 冬至, 19..23 = 小寒..啓蟄 of January to early March of the same year.
  std::array<SkyEvent, 24> terms;
  // The passages of ExtraSolarLongitudes, in that order: 入梅 (80), 半夏生 (100),
  // and the starts of the four 土用 (27, 117, 207, 297).
  std::array<SkyEvent, 6> extras;
  // The new moons whose JST day lies in the year, in time order: 12 or 13.
  int newMoonCount;
  std::array<SkyEvent, 13> newMoonSlots;

  // The principal phases whose JST day lies in the year, in time order.
  int phaseCount;
  std::array<PhaseEvent, PhaseSlots> phaseSlots;

  // The eclipses whose greatest instant lies in the JST year, in time order.
  int eclipseCount;
  std::array<EclipseEvent, EclipseSlots> eclipseSlots;

  const SkyEvent& nyubai() const { return extras[0]; }
  const SkyEvent& hangeshou() const { return extras[1]; }
  // The start of the 土用 before season s: 0 spring (27), 1 summer (117),
  // 2 autumn (207), 3 winter (297, in January).
  const SkyEvent& doyoStart(int season) const { return extras.at(static_cast<std::size_t>(2 + season)); }
  // The passages of the Sun through the multiples of 5 degrees that are not
  // terms (the 七十二候 between them; every third is a term, in `terms`) whose JST
  // day lies in the year, in time order: 47 to 49. The first is the passage of
  // firstKou times 5 degrees, and each one after it the next such multiple.
  int kouCount;
  int firstKou;  // 0..71, never a multiple of 3
  std::array<SkyEvent, 49> kouSlots;

  std::span<const SkyEvent> newMoons() const {
    return {newMoonSlots.data(), static_cast<std::size_t>(std::clamp(newMoonCount, 0, 13))};
  }
  std::span<const SkyEvent> kous() const {
    return {kouSlots.data(), static_cast<std::size_t>(std::clamp(kouCount, 0, 49))};
  }
  std::span<const PhaseEvent> phases() const {
    return {phaseSlots.data(), static_cast<std::size_t>(std::clamp(phaseCount, 0, PhaseSlots))};
  }
  std::span<const EclipseEvent> eclipses() const {
    return {eclipseSlots.data(), static_cast<std::size_t>(std::clamp(eclipseCount, 0, EclipseSlots))};
  }
  bool operator==(const PreciseYearEvents&) const = default;
};

// The multiple of 5 degrees (0..71) after k that is not a term's (not a multiple of 3).
constexpr int nextKouBetweenTerms(int k) { return (k % 3 == 2 ? k + 2 : k + 1) % 72; }

// Solves every event of `year` with the precise sky (slow: about 1.8 ms). Throws
// std::domain_error where the precise sky does (dates before -4799), and
// std::runtime_error if a year had other than 12 or 13 new moons or 47..49 候.
PreciseYearEvents computePreciseYearEvents(int year);

// The years the compiled-in table holds: the precise range and one year on each
// side, since a calendar year also needs the events of its neighbours.
inline constexpr int PreciseYearTableFirstYear = -1001;
inline constexpr int PreciseYearTableLastYear = 3001;

// The events of `year`: from the compiled-in table (some tens of nanoseconds) for
// the years it holds, else solved directly as computePreciseYearEvents. Whether a
// year is inside the precise sky's range (PreciseSkyFirstYear..PreciseSkyLastYear)
// is the caller's decision: outside it the direct solve still answers, but its days
// are no better than a guess.
PreciseYearEvents preciseYearEvents(int year);

// The table's form of a year: each event as seconds since 00:00 JST of 1 January,
// then the new-moon count, unused moon slots as -1, the 候 count, the first 候's
// multiple of 5 degrees, the 候 (unused slots -1), the phase count, the first
// phase's quarter, the phases (unused slots -1), the eclipse
// count and the eclipses (body * 8 + kind, greatest, begin, end, magnitude;
// unused slots -1), and the year last as a check.
inline constexpr int PackedEclipseSize = 5;
inline constexpr int PackedYearSize =
    24 + 6 + 1 + 13 + 2 + 49 + 2 + PhaseSlots + 1 + PackedEclipseSize * EclipseSlots + 1;
using PackedYear = std::array<std::int32_t, PackedYearSize>;
PackedYear packYear(const PreciseYearEvents& events);
// A new-moon count outside 0..13, a 候 count outside 0..49, a phase count outside
// 0..PhaseSlots or an eclipse count outside 0..EclipseSlots throws TableBoundsError
// (data/checked_table.h).
PreciseYearEvents unpackYear(std::span<const std::int32_t, PackedYearSize> packed);

}  // namespace ventorel
