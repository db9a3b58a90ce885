#include "astro/day_count.h"

#include <cmath>
#include <cstdint>

#include "data/numbers.h"
#include "ventorel/date.h"

namespace ventorel {

double daysBeforeYear(double y) {
  return 365 * (y - 1) + floorInt((y - 1) / 4) - floorInt((y - 1) / 100) + floorInt((y - 1) / 400);
}

int leapDay(double y) {
  // A year that is not whole (the classic model takes a year text as it is
  // typed) is divisible by nothing, so it is never a leap year.
  if (y != std::floor(y)) return 0;
  return isLeapYear(static_cast<std::int64_t>(y)) ? 1 : 0;
}

void fillMonthStarts(MonthStarts& monthStart, int leap) {
  // Year 4 is a leap year, year 1 a common one.
  for (int m = 1; m <= 13; ++m) monthStart[m] = daysBeforeMonth(leap ? 4 : 1, m);
}

double epochDays(double y, int m, double d, const MonthStarts& monthStart) {
  return daysBeforeYear(y) + monthStart[m] + d - 1 - EpochOffset;
}

int weekdayIndex(double n) {
  const double x = (n - 3) / 7;
  // The modRoundHalfEven rounds 7 * fraction to the nearest integer first, which absorbs the
  // rounding error of the division.
  return static_cast<int>(modRoundHalfEven(7 * (x - floorInt(x)) + 7, 7));
}

MonthDay monthDayOf(int b, const MonthStarts& monthStart) {
  int m = 1;
  while (m <= 13 && !(monthStart[m] > b - 1)) ++m;
  // A day index past the year finds no month start above it: the search then
  // reports the table's end, which the bounds check turns into a clear error.
  const int month = m - 1;
  return {month, b - monthStart[month]};
}

}  // namespace ventorel
