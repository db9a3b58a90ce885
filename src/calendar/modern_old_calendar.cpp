#include "calendar/modern_old_calendar.h"

#include <stdexcept>
#include <string>

#include "astro/julian_day.h"
#include "calendar/modern_lunar_months.h"

namespace ventorel {

namespace {

// Julian Day Number of day 1 of a sky's year.
std::int64_t firstDayOf(const YearSky& sky) { return jdnOfGregorian(static_cast<int>(sky.year), 1, 1); }

}  // namespace

LunarDays modernOldCalendar(const SkyTrio& skies, const YearSky& before, const YearSky& after) {
  std::vector<std::int64_t> newMoonDays;
  std::vector<PrincipalTermDay> principalTerms;
  for (const YearSky* sky : {&before, &skies[0], &skies[1], &skies[2], &after}) {
    const std::int64_t first = firstDayOf(*sky) - 1;
    for (const NewMoon& moon : sky->newMoons) newMoonDays.push_back(first + moon.day);
    // A term placed on day 0 would belong to the year before.
    for (int k = 0; k < SolarTermCount; ++k)
      if (isPrincipalTerm(k) && sky->termDay[k] > 0) principalTerms.push_back({first + sky->termDay[k], k});
  }
  const auto months = numberLunarMonths(newMoonDays, principalTerms);
  if (!months)
    throw std::runtime_error("old calendar: the new moons and 中気 around year " + std::to_string(skies[1].year) +
                             " break the month rule");

  // The days come in order: the month of each is found by moving on from the
  // month of the day before, as lunarDateOf would find it by a search.
  std::size_t at = 0;
  auto dateOf = [&](std::int64_t day) -> std::optional<LunarDate> {
    if (months->empty() || day < months->front().firstDay || day >= newMoonDays.back()) return std::nullopt;
    if (day < (*months)[at].firstDay) at = 0;
    while (at + 1 < months->size() && (*months)[at + 1].firstDay <= day) ++at;
    const LunarMonthStart& month = (*months)[at];
    return LunarDate{month.number, month.leap, static_cast<int>(day - month.firstDay + 1)};
  };
  LunarDays lunar;
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const YearSky& sky = skies[slot];
    LunarYear& year = lunar.years[slot];
    year.year = sky.year;
    year.lastDay = sky.lastDay;
    const std::int64_t first = firstDayOf(sky) - 1;
    for (int d = 1; d <= sky.lastDay; ++d) {
      const auto date = dateOf(first + d);
      if (!date) throw std::runtime_error("old calendar: no lunar month for day " + std::to_string(d));
      LunarDay& day = year.days[d];
      day.month = LunarMonth{date->month, date->leap};
      day.day = date->day;
      day.moonAge = date->day;
      day.monthStartsHere = date->day == 1;
    }
  }
  return lunar;
}

}  // namespace ventorel
