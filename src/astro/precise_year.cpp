#include "astro/precise_year.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "astro/eclipses.h"
#include "astro/julian_day.h"
#include "astro/minute_rounding.h"
#include "astro/precise_sky.h"
#include "data/checked_table.h"

namespace ventorel {

namespace {

constexpr int SecondsPerDay = 86400, MinutesPerDay = 1440;
constexpr int TermsAt = 0, ExtrasAt = 24, MoonCountAt = 30, MoonsAt = 31, KouCountAt = 44, FirstKouAt = 45,
              KousAt = 46, PhaseCountAt = 95, FirstQuarterAt = 96, PhasesAt = 97,
              EclipseCountAt = PhasesAt + PhaseSlots, EclipsesAt = EclipseCountAt + 1,
              YearAt = EclipsesAt + PackedEclipseSize * EclipseSlots;
static_assert(YearAt + 1 == PackedYearSize);

SkyEvent skyEventOf(const JstInstant& instant) {
  const int second = std::clamp(static_cast<int>(instant.second), 0, 59);
  return {instant.dayNumber, instant.minuteOfDay() * 60 + second};
}

std::int32_t secondsSince(std::int64_t baseDay, const SkyEvent& event) {
  return static_cast<std::int32_t>((event.dayNumber - baseDay) * SecondsPerDay + event.secondOfDay);
}

SkyEvent eventAt(std::int64_t baseDay, std::int32_t seconds) {
  // Floor division: an event before 1 January would have negative seconds.
  std::int32_t days = seconds / SecondsPerDay, second = seconds % SecondsPerDay;
  if (second < 0) --days, second += SecondsPerDay;
  return {baseDay + days, second};
}

// The number of new-moon slots in use, checked: a bad count must not reach past
// the slots.
int moonSlotsUsed(std::int64_t count) {
  constexpr std::int64_t Slots = std::tuple_size_v<decltype(PreciseYearEvents::newMoonSlots)>;
  if (count < 0 || count > Slots) throw TableBoundsError("new moons of a year", count, Slots);
  return static_cast<int>(count);
}

int kouSlotsUsed(std::int64_t count) {
  constexpr std::int64_t Slots = std::tuple_size_v<decltype(PreciseYearEvents::kouSlots)>;
  if (count < 0 || count > Slots) throw TableBoundsError("候 of a year", count, Slots);
  return static_cast<int>(count);
}

int phaseSlotsUsed(std::int64_t count) {
  if (count < 0 || count > PhaseSlots) throw TableBoundsError("moon phases of a year", count, PhaseSlots);
  return static_cast<int>(count);
}

int eclipseSlotsUsed(std::int64_t count) {
  if (count < 0 || count > EclipseSlots) throw TableBoundsError("eclipses of a year", count, EclipseSlots);
  return static_cast<int>(count);
}

}  // namespace

SkyEvent nearestMinute(const JstInstant& instant) {
  const int minute = static_cast<int>(nearestWholeMinute(instant.minuteOfDay() + instant.second / 60.0));
  return {instant.dayNumber, std::min(minute, MinutesPerDay - 1) * 60};
}

double SkyEvent::epochDay() const { return epochDayOfJdn(dayNumber); }

PreciseYearEvents computePreciseYearEvents(int year) {
  PreciseYearEvents events{};
  events.year = year;
  const std::array<JstInstant, 24> terms = solarTermInstants(year);
  for (int k = 0; k < 24; ++k) events.terms[static_cast<std::size_t>(k)] = skyEventOf(terms[static_cast<std::size_t>(k)]);
  for (std::size_t i = 0; i < ExtraSolarLongitudes.size(); ++i)
    events.extras[i] = skyEventOf(solarLongitudeInstant(ExtraSolarLongitudes[i], year));
  const std::vector<JstInstant> moons = newMoonInstants(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1));
  if (moons.size() < 12 || moons.size() > events.newMoonSlots.size())
    throw std::runtime_error("precise sky: " + std::to_string(moons.size()) + " new moons in year " +
                             std::to_string(year));
  events.newMoonCount = static_cast<int>(moons.size());
  for (std::size_t i = 0; i < moons.size(); ++i) events.newMoonSlots[i] = skyEventOf(moons[i]);

  // A phase belongs to the JST day of its exact instant, as the new moons do; the
  // minute is rounded where it is printed.
  for (const PhaseInstant& phase : moonPhaseInstants(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1))) {
    if (events.phaseCount == PhaseSlots)
      throw std::runtime_error("precise sky: too many moon phases in year " + std::to_string(year));
    events.phaseSlots[static_cast<std::size_t>(events.phaseCount++)] = {phase.quarter, skyEventOf(phase.instant)};
  }

  for (const GlobalEclipse& e : globalEclipsesBetween(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1))) {
    if (events.eclipseCount == EclipseSlots)
      throw std::runtime_error("precise sky: too many eclipses in year " + std::to_string(year));
    events.eclipseSlots[static_cast<std::size_t>(events.eclipseCount++)] = {
        static_cast<int>(e.body),
        static_cast<int>(e.kind),
        nearestMinute(jstInstantOfTt(e.greatestTt)),
        nearestMinute(jstInstantOfTt(e.beginTt)),
        nearestMinute(jstInstantOfTt(e.endTt)),
        static_cast<int>(std::lround(e.magnitude * 1e4))};
  }
  std::vector<KouInstant> kous = solarKouInstantsBetween(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1));
  std::erase_if(kous, [](const KouInstant& kou) { return kou.k % 3 == 0; });
  if (kous.size() < 47 || kous.size() > events.kouSlots.size())
    throw std::runtime_error("precise sky: " + std::to_string(kous.size()) + " 候 between the terms in year " +
                             std::to_string(year));
  events.kouCount = static_cast<int>(kous.size());
  events.firstKou = kous.front().k;
  for (std::size_t i = 0; i < kous.size(); ++i) events.kouSlots[i] = skyEventOf(kous[i].instant);
  return events;
}

PackedYear packYear(const PreciseYearEvents& events) {
  const std::int64_t base = jdnOfGregorian(events.year, 1, 1);
  PackedYear packed;
  packed.fill(-1);
  for (int k = 0; k < 24; ++k) packed[static_cast<std::size_t>(TermsAt + k)] = secondsSince(base, events.terms[static_cast<std::size_t>(k)]);
  for (int i = 0; i < 6; ++i) packed[static_cast<std::size_t>(ExtrasAt + i)] = secondsSince(base, events.extras[static_cast<std::size_t>(i)]);
  packed[MoonCountAt] = events.newMoonCount;
  for (int i = 0, n = moonSlotsUsed(events.newMoonCount); i < n; ++i)
    packed[static_cast<std::size_t>(MoonsAt + i)] = secondsSince(base, events.newMoonSlots[static_cast<std::size_t>(i)]);
  packed[KouCountAt] = events.kouCount;
  packed[FirstKouAt] = events.firstKou;
  for (int i = 0, n = kouSlotsUsed(events.kouCount); i < n; ++i)
    packed[static_cast<std::size_t>(KousAt + i)] = secondsSince(base, events.kouSlots[static_cast<std::size_t>(i)]);
  packed[PhaseCountAt] = events.phaseCount;
  packed[FirstQuarterAt] = events.phaseCount > 0 ? events.phaseSlots[0].quarter : 0;
  for (int i = 0, n = phaseSlotsUsed(events.phaseCount); i < n; ++i)
    packed[static_cast<std::size_t>(PhasesAt + i)] = secondsSince(base, events.phaseSlots[static_cast<std::size_t>(i)].at);
  packed[EclipseCountAt] = events.eclipseCount;
  for (int i = 0, n = eclipseSlotsUsed(events.eclipseCount); i < n; ++i) {
    const EclipseEvent& e = events.eclipseSlots[static_cast<std::size_t>(i)];
    std::int32_t* slot = &packed[static_cast<std::size_t>(EclipsesAt + PackedEclipseSize * i)];
    slot[0] = e.body * 8 + e.kind;
    slot[1] = secondsSince(base, e.greatest);
    slot[2] = secondsSince(base, e.begin);
    slot[3] = secondsSince(base, e.end);
    slot[4] = e.magnitude;
  }
  packed[YearAt] = events.year;
  return packed;
}

PreciseYearEvents unpackYear(std::span<const std::int32_t, PackedYearSize> packed) {
  PreciseYearEvents events{};
  events.year = packed[YearAt];
  const std::int64_t base = jdnOfGregorian(events.year, 1, 1);
  for (int k = 0; k < 24; ++k) events.terms[static_cast<std::size_t>(k)] = eventAt(base, packed[static_cast<std::size_t>(TermsAt + k)]);
  for (int i = 0; i < 6; ++i) events.extras[static_cast<std::size_t>(i)] = eventAt(base, packed[static_cast<std::size_t>(ExtrasAt + i)]);
  events.newMoonCount = moonSlotsUsed(packed[MoonCountAt]);
  for (int i = 0; i < events.newMoonCount; ++i) events.newMoonSlots[static_cast<std::size_t>(i)] = eventAt(base, packed[static_cast<std::size_t>(MoonsAt + i)]);
  events.kouCount = kouSlotsUsed(packed[KouCountAt]);
  events.firstKou = packed[FirstKouAt];
  for (int i = 0; i < events.kouCount; ++i) events.kouSlots[static_cast<std::size_t>(i)] = eventAt(base, packed[static_cast<std::size_t>(KousAt + i)]);
  // In time order the quarters run on 0, 1, 2, 3, 0, ...
  events.phaseCount = phaseSlotsUsed(packed[PhaseCountAt]);
  for (int i = 0; i < events.phaseCount; ++i)
    events.phaseSlots[static_cast<std::size_t>(i)] = {(packed[FirstQuarterAt] + i) % 4, eventAt(base, packed[static_cast<std::size_t>(PhasesAt + i)])};
  events.eclipseCount = eclipseSlotsUsed(packed[EclipseCountAt]);
  for (int i = 0; i < events.eclipseCount; ++i) {
    const std::int32_t* slot = &packed[static_cast<std::size_t>(EclipsesAt + PackedEclipseSize * i)];
    events.eclipseSlots[static_cast<std::size_t>(i)] = {slot[0] / 8, slot[0] % 8, eventAt(base, slot[1]), eventAt(base, slot[2]),
                              eventAt(base, slot[3]), slot[4]};
  }
  return events;
}

}  // namespace ventorel
