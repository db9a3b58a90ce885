#include "astro/precise_year.h"

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

constexpr int MinutesPerDay = 1440;
constexpr int TermsAt = 0, ExtrasAt = 24, MoonCountAt = 30, MoonsAt = 31, PhaseCountAt = 44, FirstQuarterAt = 45,
              PhasesAt = 46, EclipseCountAt = PhasesAt + PhaseSlots, EclipsesAt = EclipseCountAt + 1,
              YearAt = EclipsesAt + PackedEclipseSize * EclipseSlots;
static_assert(YearAt + 1 == PackedYearSize);

SkyEvent skyEventOf(const JstInstant& instant) { return {instant.dayNumber, instant.minuteOfDay()}; }

std::int32_t minutesSince(std::int64_t baseDay, const SkyEvent& event) {
  return static_cast<std::int32_t>((event.dayNumber - baseDay) * MinutesPerDay + event.minuteOfDay);
}

SkyEvent eventAt(std::int64_t baseDay, std::int32_t minutes) {
  // Floor division: an event before 1 January would have negative minutes.
  std::int32_t days = minutes / MinutesPerDay, minute = minutes % MinutesPerDay;
  if (minute < 0) --days, minute += MinutesPerDay;
  return {baseDay + days, minute};
}

// The number of new-moon slots in use, checked: a bad count must not reach past
// the slots.
int moonSlotsUsed(std::int64_t count) {
  constexpr std::int64_t Slots = std::tuple_size_v<decltype(PreciseYearEvents::newMoonSlots)>;
  if (count < 0 || count > Slots) throw TableBoundsError("new moons of a year", count, Slots);
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
  return minute == MinutesPerDay ? SkyEvent{instant.dayNumber + 1, 0} : SkyEvent{instant.dayNumber, minute};
}

double SkyEvent::epochDay() const { return epochDayOfJdn(dayNumber); }

PreciseYearEvents computePreciseYearEvents(int year) {
  PreciseYearEvents events{};
  events.year = year;
  const std::array<JstInstant, 24> terms = solarTermInstants(year);
  for (int k = 0; k < 24; ++k) events.terms[k] = skyEventOf(terms[k]);
  for (std::size_t i = 0; i < ExtraSolarLongitudes.size(); ++i)
    events.extras[i] = skyEventOf(solarLongitudeInstant(ExtraSolarLongitudes[i], year));
  const std::vector<JstInstant> moons = newMoonInstants(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1));
  if (moons.size() < 12 || moons.size() > events.newMoonSlots.size())
    throw std::runtime_error("precise sky: " + std::to_string(moons.size()) + " new moons in year " +
                             std::to_string(year));
  events.newMoonCount = static_cast<int>(moons.size());
  for (std::size_t i = 0; i < moons.size(); ++i) events.newMoonSlots[i] = skyEventOf(moons[i]);

  // A phase belongs to the year of its nearest minute: look half a minute beyond each end.
  const std::int64_t firstDay = jdnOfGregorian(year, 1, 1), nextFirstDay = jdnOfGregorian(year + 1, 1, 1);
  constexpr double HalfMinute = 30.0 / 86400.0;
  for (const PhaseInstant& phase :
       moonPhaseInstants(jstMidnight(year, 1, 1) - HalfMinute, jstMidnight(year + 1, 1, 1) + HalfMinute)) {
    const SkyEvent at = nearestMinute(phase.instant);
    if (at.dayNumber < firstDay || at.dayNumber >= nextFirstDay) continue;
    if (events.phaseCount == PhaseSlots)
      throw std::runtime_error("precise sky: too many moon phases in year " + std::to_string(year));
    events.phaseSlots[static_cast<std::size_t>(events.phaseCount++)] = {phase.quarter, at};
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
  return events;
}

PackedYear packYear(const PreciseYearEvents& events) {
  const std::int64_t base = jdnOfGregorian(events.year, 1, 1);
  PackedYear packed;
  packed.fill(-1);
  for (int k = 0; k < 24; ++k) packed[TermsAt + k] = minutesSince(base, events.terms[k]);
  for (int i = 0; i < 6; ++i) packed[ExtrasAt + i] = minutesSince(base, events.extras[i]);
  packed[MoonCountAt] = events.newMoonCount;
  for (int i = 0, n = moonSlotsUsed(events.newMoonCount); i < n; ++i)
    packed[MoonsAt + i] = minutesSince(base, events.newMoonSlots[i]);
  packed[PhaseCountAt] = events.phaseCount;
  packed[FirstQuarterAt] = events.phaseCount > 0 ? events.phaseSlots[0].quarter : 0;
  for (int i = 0, n = phaseSlotsUsed(events.phaseCount); i < n; ++i)
    packed[PhasesAt + i] = minutesSince(base, events.phaseSlots[i].at);
  packed[EclipseCountAt] = events.eclipseCount;
  for (int i = 0, n = eclipseSlotsUsed(events.eclipseCount); i < n; ++i) {
    const EclipseEvent& e = events.eclipseSlots[i];
    std::int32_t* slot = &packed[EclipsesAt + PackedEclipseSize * i];
    slot[0] = e.body * 8 + e.kind;
    slot[1] = minutesSince(base, e.greatest);
    slot[2] = minutesSince(base, e.begin);
    slot[3] = minutesSince(base, e.end);
    slot[4] = e.magnitude;
  }
  packed[YearAt] = events.year;
  return packed;
}

PreciseYearEvents unpackYear(std::span<const std::int32_t, PackedYearSize> packed) {
  PreciseYearEvents events{};
  events.year = packed[YearAt];
  const std::int64_t base = jdnOfGregorian(events.year, 1, 1);
  for (int k = 0; k < 24; ++k) events.terms[k] = eventAt(base, packed[TermsAt + k]);
  for (int i = 0; i < 6; ++i) events.extras[i] = eventAt(base, packed[ExtrasAt + i]);
  events.newMoonCount = moonSlotsUsed(packed[MoonCountAt]);
  for (int i = 0; i < events.newMoonCount; ++i) events.newMoonSlots[i] = eventAt(base, packed[MoonsAt + i]);
  // In time order the quarters run on 0, 1, 2, 3, 0, ...
  events.phaseCount = phaseSlotsUsed(packed[PhaseCountAt]);
  for (int i = 0; i < events.phaseCount; ++i)
    events.phaseSlots[i] = {(packed[FirstQuarterAt] + i) % 4, eventAt(base, packed[PhasesAt + i])};
  events.eclipseCount = eclipseSlotsUsed(packed[EclipseCountAt]);
  for (int i = 0; i < events.eclipseCount; ++i) {
    const std::int32_t* slot = &packed[EclipsesAt + PackedEclipseSize * i];
    events.eclipseSlots[i] = {slot[0] / 8, slot[0] % 8, eventAt(base, slot[1]), eventAt(base, slot[2]),
                              eventAt(base, slot[3]), slot[4]};
  }
  return events;
}

}  // namespace ventorel
