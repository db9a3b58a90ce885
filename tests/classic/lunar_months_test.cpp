#include "calendar/lunar_days.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/sky_fixture.h"

namespace ventorel {
namespace {

using testing::Date;
using testing::dayIndex;
using testing::KnownSky;
using testing::skiesOf;
using testing::skyOf;

// Names of the months that begin at the chosen year's new moons, in order.
std::vector<std::string> chosenYearMonths(const LunarDays& lunar, const KnownSky& sky) {
  return testing::monthsOf(lunar, 1, sky);
}

LunarDays numbered(int year) { return oldCalendar(skiesOf(year), year); }

struct YearCase {
  int year;
  std::vector<std::string> months;  // one per new moon of the year
};

// Real years numbered from their true new moons and terms (JST).
class KnownYears : public ::testing::TestWithParam<YearCase> {};

TEST_P(KnownYears, MonthsFromTheNewMoons) {
  const YearCase& c = GetParam();
  EXPECT_EQ(chosenYearMonths(numbered(c.year), skyOf(c.year)), c.months);
}

INSTANTIATE_TEST_SUITE_P(
    LunarMonths, KnownYears,
    ::testing::Values(
        // 閏2月 from 22 March.
        YearCase{2023, {"1月", "2月", "閏2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月"}},
        // 閏4月 from 23 May.
        YearCase{2020, {"1月", "2月", "3月", "4月", "閏4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月"}},
        // 閏9月 from 24 October; 小雪 and 冬至 fall on the new-moon days that open
        // 10月 and 11月, so they belong to those months and 24 October lacks a 中気.
        YearCase{2014,
                 {"12月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "閏9月", "10月", "11月"}},
        // 閏11月 from 22 December, right after the 冬至 month.
        YearCase{2033,
                 {"12月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "閏11月"}},
        // After 2033's 閏11月 come 12月 and 1月, though 1月 lacks a 中気 too.
        YearCase{2034, {"12月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月"}},
        // An ordinary year, with a 13th new moon on 31 December.
        YearCase{2024,
                 {"12月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"}}),
    [](const ::testing::TestParamInfo<YearCase>& info) { return std::to_string(info.param.year); });

TEST(LunarMonths, MonthWithoutMidTermInsideTwelveMonthSpanIsOrdinary) {
  // Move 2024's 処暑 onto the next new-moon day: the month from 4 August then
  // lacks a 中気, but 2024 has only twelve months between its 冬至 months.
  KnownSky moved = skyOf(2024);
  moved.terms[10] = {9, 3};
  EXPECT_EQ(chosenYearMonths(oldCalendar(skiesOf(skyOf(2023), moved, skyOf(2025)), 2024), moved),
            (std::vector<std::string>{"12月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月",
                                      "11月", "12月"}));
}

TEST(LunarMonths, Entered1985SetsItsFirstTwoMonthsOnly) {
  const SkyTrio skies = skiesOf(2023);
  const LunarDays lunar = oldCalendar(skies, 1985);
  const std::vector<std::string> months = chosenYearMonths(lunar, skyOf(2023));
  EXPECT_EQ(months[0], "12月");
  EXPECT_EQ(months[1], "1月");
  EXPECT_EQ(months[2], "閏2月");
  // The list keeps the computed names.
  EXPECT_EQ(monthName(monthsFromMarks(skies)[13]), "1月");
  EXPECT_EQ(monthName(monthsFromMarks(skies)[14]), "2月");
  // The other years' first months are not touched.
  EXPECT_EQ(testing::monthsOf(lunar, 0, skyOf(2022))[0], "12月");
  EXPECT_EQ(testing::monthsOf(lunar, 2, skyOf(2024))[0], "12月");

  const LunarDays real1985 = numbered(1985);
  EXPECT_EQ(chosenYearMonths(real1985, skyOf(1985))[0], "12月");
  EXPECT_EQ(chosenYearMonths(real1985, skyOf(1985))[1], "1月");
}

TEST(LunarMonths, DaysBeforeTheFirstNewMoonContinueLastYearsMonth) {
  const LunarDays lunar = numbered(2024);
  auto day = [&](int slot, int d) { return lunar.years[static_cast<std::size_t>(slot)].days[d]; };
  // 13 December 2023 opens 11月, so 1 January 2024 is its 20th day.
  EXPECT_EQ(monthName(day(1, 1).month), "11月");
  EXPECT_EQ(day(1, 1).day, 20);
  EXPECT_EQ(day(1, dayIndex(2024, {1, 10})).day, 29);
  EXPECT_EQ(monthName(day(1, dayIndex(2024, {1, 11})).month), "12月");
  EXPECT_EQ(day(1, dayIndex(2024, {1, 11})).day, 1);
  // The year after continues from 31 December 2024 (1 of 12月).
  EXPECT_EQ(monthName(day(2, 1).month), "12月");
  EXPECT_EQ(day(2, 1).day, 2);
}

}  // namespace
}  // namespace ventorel
