#include "astro/julian_day.h"

#include "data/numbers.h"

namespace ventorel {

// Both sums are taken in doubles, exact for every day number below 2^53, so that
// an absurd input saturates (see toIndex) instead of overflowing.
std::int64_t jdnOfEpochDay(double epochDay) { return toIndex(epochDay + static_cast<double>(JdnOfEpochDayZero)); }

double epochDayOfJdn(std::int64_t jdn) { return static_cast<double>(jdn) - static_cast<double>(JdnOfEpochDayZero); }

std::int64_t jdnOfGregorian(int year, int month, int day) {
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(year));
  return jdnOfEpochDay(epochDays(year, month, day, monthStart));
}

}  // namespace ventorel
