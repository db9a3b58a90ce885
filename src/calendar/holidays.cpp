#include "calendar/holidays.h"

#include <cmath>
#include <cstdint>

namespace ventorel {

std::vector<std::optional<DayHoliday>> lawHolidaysOf(const HolidayLaw& law, const YearSky& sky) {
  std::vector<std::optional<DayHoliday>> holidays(static_cast<std::size_t>(sky.lastDay) + 1);
  if (sky.year != std::floor(sky.year) || !std::isfinite(sky.year)) return holidays;
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(sky.year));
  EquinoxDates equinoxes{0, 0, 0, 0};
  // Day 0 is not of this year: an equinox there is taken as not placed.
  if (sky.dayOf(SolarTerm::Shunbun) >= 1) {
    const MonthDay spring = monthDayOf(sky.dayOf(SolarTerm::Shunbun), monthStart);
    equinoxes.springMonth = spring.month, equinoxes.springDay = spring.day;
  }
  if (sky.dayOf(SolarTerm::Shubun) >= 1) {
    const MonthDay autumn = monthDayOf(sky.dayOf(SolarTerm::Shubun), monthStart);
    equinoxes.autumnMonth = autumn.month, equinoxes.autumnDay = autumn.day;
  }
  for (const Holiday& h : holidaysOfYear(law, static_cast<std::int64_t>(sky.year), equinoxes)) {
    const int d = monthStart[h.month] + h.day;
    holidays.at(static_cast<std::size_t>(d)) = DayHoliday{holidayName(law, h), h.kind, h.prewar};
  }
  return holidays;
}

}  // namespace ventorel
