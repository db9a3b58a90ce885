#include "astro/day_count.h"

#include <gtest/gtest.h>

namespace ventorel {
namespace {

TEST(DayCount, LeapDayFollowsTheGregorianRuleForEveryYear) {
  struct Case { double year; int leap; };
  for (const Case c : {Case{2000, 1}, {1900, 0}, {2024, 1}, {2023, 0}, {0, 1}, {-1, 0}, {-4, 1}, {-100, 0},
                       {-400, 1}, {1500, 0}, {1600, 1}, {1e6, 1}, {2024.5, 0}})
    EXPECT_EQ(leapDay(c.year), c.leap) << c.year;
}

TEST(DayCount, DaysBeforeYear) {
  struct Case { double year, days; };
  for (const Case c : {Case{1, 0}, {2, 365}, {2000, 730119}, {0, -366}, {-1, -731}, {1982, 723545}})
    EXPECT_EQ(daysBeforeYear(c.year), c.days) << c.year;
}

TEST(DayCount, MonthStartsOfLeapAndCommonYears) {
  MonthStarts starts{"monthStart"};
  fillMonthStarts(starts, 1);
  EXPECT_EQ(starts[1], 0);
  EXPECT_EQ(starts[2], 31);
  EXPECT_EQ(starts[3], 60);
  EXPECT_EQ(starts[12], 335);
  EXPECT_EQ(starts[13], 366);
  fillMonthStarts(starts, 0);
  EXPECT_EQ(starts[3], 59);
  EXPECT_EQ(starts[13], 365);
  EXPECT_EQ(starts[0], 0);
}

TEST(DayCount, EpochDaysCountFromTheNineteenthOfAugust1982) {
  MonthStarts starts{"monthStart"};
  struct Case { double y; int m; double d; double expected; };
  for (const Case c : {Case{1982, 8, 19, 0}, {1982, 8, 20, 1}, {2000, 1, 1, 6344}, {1, 1, 1, -723775},
                       {1982, 8, 18, -1}, {2024, 1, 1, 15110}}) {
    fillMonthStarts(starts, leapDay(c.y));
    EXPECT_EQ(epochDays(c.y, c.m, c.d, starts), c.expected) << c.y << "-" << c.m << "-" << c.d;
  }
}

TEST(DayCount, WeekdaysWithSundayZero) {
  struct Case { double n; int weekday; };
  // 1982-08-19 was a Thursday, 2000-01-01 a Saturday, 2024-01-01 a Monday.
  for (const Case c : {Case{0, 4}, {6344, 6}, {-1, 3}, {15110, 1}, {-723775, 1}, {3, 0}, {-4, 0},
                       {365242190, 2}, {-365242190, 6}})
    EXPECT_EQ(weekdayIndex(c.n), c.weekday) << c.n;
}

TEST(DayCount, WeekdaysRepeatEverySevenDaysFarFromTheEpoch) {
  for (double n = -4e8; n < 4e8; n += 9876543.0)
    for (int k = 0; k < 7; ++k) ASSERT_EQ(weekdayIndex(n + k), (weekdayIndex(n) + k) % 7) << n << "+" << k;
}

TEST(DayCount, MonthAndDayOfADayIndex) {
  MonthStarts starts{"monthStart"};
  fillMonthStarts(starts, 1);
  struct Case { int b, month, day; };
  for (const Case c : {Case{1, 1, 1}, {31, 1, 31}, {32, 2, 1}, {60, 2, 29}, {61, 3, 1}, {366, 12, 31}, {0, 0, 0}}) {
    const MonthDay md = monthDayOf(c.b, starts);
    EXPECT_EQ(md.month, c.month) << c.b;
    EXPECT_EQ(md.day, c.day) << c.b;
  }
  fillMonthStarts(starts, 0);
  EXPECT_EQ(monthDayOf(365, starts).month, 12);
  EXPECT_EQ(monthDayOf(365, starts).day, 31);
  EXPECT_EQ(monthDayOf(60, starts).month, 3);
}

}  // namespace
}  // namespace ventorel
