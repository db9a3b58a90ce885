#include "astro/precise_year.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/precise_sky.h"
#include "data/checked_table.h"

namespace ventorel {

namespace {

constexpr int MinutesPerDay = 1440;
constexpr int TermsAt = 0, ExtrasAt = 24, MoonCountAt = 30, MoonsAt = 31, KouCountAt = 44, FirstKouAt = 45,
              KousAt = 46, YearAt = 95;
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

int kouSlotsUsed(std::int64_t count) {
  constexpr std::int64_t Slots = std::tuple_size_v<decltype(PreciseYearEvents::kouSlots)>;
  if (count < 0 || count > Slots) throw TableBoundsError("候 of a year", count, Slots);
  return static_cast<int>(count);
}

}  // namespace

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
  for (int k = 0; k < 24; ++k) packed[TermsAt + k] = minutesSince(base, events.terms[k]);
  for (int i = 0; i < 6; ++i) packed[ExtrasAt + i] = minutesSince(base, events.extras[i]);
  packed[MoonCountAt] = events.newMoonCount;
  for (int i = 0, n = moonSlotsUsed(events.newMoonCount); i < n; ++i)
    packed[MoonsAt + i] = minutesSince(base, events.newMoonSlots[i]);
  packed[KouCountAt] = events.kouCount;
  packed[FirstKouAt] = events.firstKou;
  for (int i = 0, n = kouSlotsUsed(events.kouCount); i < n; ++i)
    packed[KousAt + i] = minutesSince(base, events.kouSlots[i]);
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
  events.kouCount = kouSlotsUsed(packed[KouCountAt]);
  events.firstKou = packed[FirstKouAt];
  for (int i = 0; i < events.kouCount; ++i) events.kouSlots[i] = eventAt(base, packed[KousAt + i]);
  return events;
}

}  // namespace ventorel
