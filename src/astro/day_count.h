// Day counts, leap days, month starts and weekdays of the proleptic Gregorian
// calendar, for every year including zero and negative (astronomical) years.
//
// All arithmetic is in doubles with the floor floorInt, so that a year of the order of
// a million still keeps exact day numbers (below 2^53).
#pragma once

#include "data/checked_table.h"
#include "ventorel/date.h"

namespace ventorel {

// Day number 0 of `epochDays`: 1982-08-19 is daysBeforeYear(1982) + 230 = 723775.
inline constexpr double EpochOffset = 723775;

// Days from 1 January of year 1 up to, not including, 1 January of year y.
// daysBeforeYear(1) = 0, daysBeforeYear(2000) = 730119, daysBeforeYear(0) = -366.
double daysBeforeYear(double y);

// 1 for a Gregorian leap year, else 0; written without a remainder so that it
// holds for negative years (0, -4 and -400 are leap years, -100 is not).
int leapDay(double y);

// Days of the year before month m (m = 1..12) and [13] = the length of the year.
using MonthStarts = Table<int, 14>;
void fillMonthStarts(MonthStarts& monthStart, int leap);

// Day number of (y, m, d) with 1982-08-19 as day 0 (2000-01-01 is 6344).
double epochDays(double y, int m, double d, const MonthStarts& monthStart);

// 0..6, 0 = Sunday, for a day number (day 0 is a Thursday, 4).
int weekdayIndex(double n);

// Month and day of a day index b of the year: the first m in 1..13 with
// monthStart[m] > b - 1, minus 1; the day is b - monthStart[month]. Day 0 is
// month 0, day 0.
struct MonthDay {
  int month;
  int day;
};
MonthDay monthDayOf(int b, const MonthStarts& monthStart);

}  // namespace ventorel
