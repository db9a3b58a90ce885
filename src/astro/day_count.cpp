#include "astro/day_count.h"

#include "data/numbers.h"

namespace ventorel {

double daysBeforeYear(double y) {
  return 365 * (y - 1) + Int((y - 1) / 4) - Int((y - 1) / 100) + Int((y - 1) / 400);
}

int leapDay(double y) {
  // Each term is 1 exactly when y is divisible by its divisor.
  const double by4 = Int(Int(y / 4) + 1 - y / 4);
  const double by100 = Int(Int(y / 100) + 1 - y / 100);
  const double by400 = Int(Int(y / 400) + 1 - y / 400);
  return static_cast<int>(by4 - by100 + by400);
}

void fillMonthStarts(MonthStarts& monthStart, int leap) {
  static constexpr int kCommon[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  for (int m = 1; m <= 13; ++m) monthStart[m] = kCommon[m - 1] + (m >= 3 ? leap : 0);
}

double epochDays(double y, int m, double d, const MonthStarts& monthStart) {
  return daysBeforeYear(y) + monthStart[m] + d - 1 - EpochOffset;
}

int weekdayIndex(double n) {
  const double x = (n - 3) / 7;
  // The Mod rounds 7 * fraction to the nearest integer first, which absorbs the
  // rounding error of the division.
  return static_cast<int>(Mod(7 * (x - Int(x)) + 7, 7));
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
