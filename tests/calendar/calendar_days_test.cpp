#include <gtest/gtest.h>

#include "calendar/annotate.h"
#include "output/output_fixture.h"

namespace ventorel {
namespace {

TEST(CalendarDays, JulianDatesOfGregorianDays) {
  struct Case { double year; int m; int d; double jy; int jm; int jd; };
  const Case cases[] = {
      {1582, 10, 14, 1582, 10, 4},   // the last Julian day of the calendar
      {1582, 10, 15, 1582, 10, 5},
      {1581, 1, 10, 1580, 12, 31},   // 31 December of a Julian leap year
      {1581, 1, 11, 1581, 1, 1},
      {1, 1, 1, 1, 1, 3},
      {1500, 3, 10, 1500, 2, 29},    // 1500 is a Julian leap year, not a Gregorian one
      {-659, 1, 1, -659, 1, 8},      // 660 BC: the Julian date runs seven days ahead
      {0, 1, 1, 0, 1, 3},
      {2024, 1, 14, 2024, 1, 1},
  };
  for (const Case& c : cases) {
    MonthStarts starts{"monthStart"};
    fillMonthStarts(starts, leapDay(c.year));
    const JulianDate j = julianDateOf(daysBeforeYear(c.year), starts[c.m] + c.d);
    EXPECT_EQ(j.month, c.jm) << c.year << "-" << c.m << "-" << c.d;
    EXPECT_EQ(j.day, c.jd) << c.year << "-" << c.m << "-" << c.d;
    EXPECT_EQ(j.year, c.jy) << c.year << "-" << c.m << "-" << c.d;
  }
}

TEST(CalendarDays, GregorianFromTheFifteenthOfOctober1582) {
  struct Case { double year; int m; int d; bool gregorian; };
  for (const Case c : {Case{1582, 10, 14, false}, {1582, 10, 15, true}, {1582, 11, 1, true}, {1582, 9, 30, false},
                       {1581, 12, 31, false}, {1583, 1, 1, true}, {-660, 12, 31, false}})
    EXPECT_EQ(isGregorianDay(c.year, c.m, c.d), c.gregorian) << c.year << "-" << c.m << "-" << c.d;
}

// The year's days are walked one after the other; each must carry what its own
// day index and day number give, over leap years of both calendars, the Julian
// mend of 31 December, negative years and the largest.
TEST(CalendarDays, EveryDayOfTheWalkIsWhatItsDayNumberGives) {
  for (const double year : {-999999999999.0, -4713.0, -1.0, 1.0, 4.0, 1500.0, 1581.0, 1582.0, 1900.0, 2024.0, 1e12}) {
    const CalendarYear calendar = testing::chosenYear(year)->calendar();
    MonthStarts starts{"monthStart"};
    fillMonthStarts(starts, leapDay(calendar.year));
    for (const CalendarDay& day : calendar.days) {
      const MonthDay date = monthDayOf(day.dayOfYear, starts);
      const JulianDate julian = julianDateOf(daysBeforeYear(calendar.year), day.dayOfYear);
      const Sexagenary sign = daySexagenary(day.epochDays);
      ASSERT_TRUE(day.month == date.month && day.day == date.day && day.weekday == weekdayIndex(day.epochDays) &&
                  day.sexagenary.stem == sign.stem && day.sexagenary.branch == sign.branch &&
                  day.julian.year == julian.year && day.julian.month == julian.month && day.julian.day == julian.day)
          << year << " day " << day.dayOfYear;
    }
  }
}

TEST(CalendarDays, TheWalkVisitsEveryDayWithItsWeekdayAndSixDayName) {
  const std::vector<CalendarDay> days = testing::chosenYear(2024)->calendar().days;
  ASSERT_EQ(days.size(), 366u);
  EXPECT_EQ(days[0].weekday, 1);  // 2024-01-01 is a Monday
  EXPECT_EQ(days[0].rokuyo, 6);   // ((20 + 5 + 4) mod 6) + 1: 赤口
  EXPECT_EQ(days[59].month, 2);
  EXPECT_EQ(days[59].day, 29);
  EXPECT_EQ(days[365].month, 12);
  EXPECT_EQ(days[365].day, 31);
  EXPECT_EQ(days[365].weekday, 2);
  // The first day of an old month is 先勝 in months 1 and 7, 友引 in 2 and 8.
  for (const CalendarDay& day : days) {
    if (day.lunarDay != 1) continue;
    const int expected = (*day.lunarMonth.number - 1) % 6 + 1;
    EXPECT_EQ(day.rokuyo, expected) << day.month << "/" << day.day;
  }
}

}  // namespace
}  // namespace ventorel
