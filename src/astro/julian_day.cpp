#include "astro/julian_day.h"

#include "data/numbers.h"

namespace ventorel {

std::int64_t jdnOfEpochDay(double epochDay) { return toIndex(epochDay) + JdnOfEpochDayZero; }

double epochDayOfJdn(std::int64_t jdn) { return static_cast<double>(jdn - JdnOfEpochDayZero); }

std::int64_t jdnOfGregorian(int year, int month, int day) {
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(year));
  return jdnOfEpochDay(epochDays(year, month, day, monthStart));
}

}  // namespace ventorel
