// Whole runs with the Sun, the Moon and the shipped new-moon table: the months
// of real and computed years, the window's summary, and a sweep over six
// thousand years.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/day_count.h"
#include "classic/classic_months.h"
#include "classic/lunation_rule.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

struct ShippedRun {
  // The calendar of a year, without the window and the files.
  const ComputedCalendar& compute(int enteredYear) {
    computed = computeCalendar(enteredYear, CalendarBasis::Classic, testing::shippedData());
    return computed;
  }
  ComputedCalendar computed;
};

// "m/d name" for each new moon of the chosen year.
std::vector<std::string> chosenYearMonths(const ComputedCalendar& computed) {
  std::vector<std::string> months;
  for (const CalendarDay& day : computed.year.days)
    if (day.newMoon)
      months.push_back(std::to_string(day.month) + "/" + std::to_string(day.day) + " " + monthName(day.lunarMonth));
  return months;
}

// The months the literal steps give for a year's skies.
struct LiteralMonths {
  std::vector<std::string> chosenYear;  // the entries of the chosen year's new moons
  int spansRenamed = 0;
};

LiteralMonths literalMonths(ShippedRun& run, int enteredYear) {
  const SkyTrio& skies = run.compute(enteredYear).skies;
  std::vector<LunarMonth> months = monthsFromMarks(skies);
  LiteralMonths literal;
  const std::size_t first = skies[0].newMoons.size();
  for (std::size_t n = 0; n < skies[1].newMoons.size(); ++n) literal.chosenYear.push_back(monthName(months.at(first + n)));
  literal.spansRenamed = mendMonthsAgainstRule(skies, months);
  return literal;
}

// Names joined by blanks, from entry `from` on.
std::string joined(const std::vector<std::string>& names, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < names.size(); ++i) text += (text.empty() ? "" : " ") + names[i];
  return text;
}

TEST(WholeRun, MonthsOfComputedYearsFollowTheRule) {
  ShippedRun run;
  // -2994: the literal steps give two leap months (閏5月 and 閏10月); the rule
  // a single 閏4月 from 28 May.
  EXPECT_EQ(joined(literalMonths(run, -2994).chosenYear), "1月 2月 3月 4月 5月 閏5月 6月 7月 8月 9月 10月 閏10月 11月");
  EXPECT_EQ(joined(chosenYearMonths(run.compute(-2994))),
            "1/1 12月 1/31 1月 3/1 2月 3/30 3月 4/28 4月 5/28 閏4月 6/26 5月 7/26 6月 8/25 7月 9/24 8月 10/24 9月 "
            "11/23 10月 12/22 11月");
  // 297: the month from 31 December, literally 1月, is 12月.
  EXPECT_EQ(literalMonths(run, 297).chosenYear.back(), "1月");
  EXPECT_EQ(chosenYearMonths(run.compute(297)).back(), "12/31 12月");
  // 1479 ends 9月, 閏9月, 12月, 1月, 11月 literally; 8月, 閏8月, 9月, 10月, 11月 by the rule.
  EXPECT_EQ(joined(literalMonths(run, 1479).chosenYear, 8), "9月 閏9月 12月 1月 11月");
  EXPECT_EQ(joined(chosenYearMonths(run.compute(1479)), 8), "8/27 8月 9/25 閏8月 10/24 9月 11/23 10月 12/22 11月");
}

TEST(WholeRun, RightMonthsAreKeptExactly) {
  ShippedRun run;
  for (int year : {1902, 2023, 2033, 2098, 2150}) EXPECT_EQ(literalMonths(run, year).spansRenamed, 0) << year;
  EXPECT_EQ(chosenYearMonths(run.compute(2033)).back(), "12/22 閏11月");
  EXPECT_EQ(chosenYearMonths(run.compute(2150))[6], "7/24 閏6月");
  // With the table: 1 January 2024 is day 20 of 11月; early 1985 as published.
  const CalendarDay& first2024 = run.compute(2024).year.days.at(0);
  EXPECT_EQ(monthName(first2024.lunarMonth), "11月");
  EXPECT_EQ(first2024.lunarDay, 20);
  EXPECT_EQ(chosenYearMonths(run.compute(1985))[0], "1/21 12月");
  EXPECT_EQ(chosenYearMonths(run.compute(1985))[1], "2/20 1月");
}

// Every year from -3000 to 3000: the run completes, and every day of the chosen
// year ends with an old-calendar month and a day of month from 1 to 30.
TEST(WholeRun, SixThousandYears) {
  ShippedRun run;
  std::vector<std::string> faults;
  for (int year = -3000; year <= 3000; ++year) {
    if (year == 0) continue;
    try {
      for (const CalendarDay& day : run.compute(year).year.days) {
        const int age = day.lunarDay;
        if (!day.lunarMonth.number || age < 1 || age > 30) {
          faults.push_back(std::to_string(year) + " day " + std::to_string(day.dayOfYear) + ": '" +
                           monthName(day.lunarMonth) + "' " + std::to_string(age));
          break;
        }
      }
    } catch (const std::exception& error) {
      faults.push_back(std::to_string(year) + ": " + error.what());
    }
  }
  EXPECT_TRUE(faults.empty()) << faults.size() << " years, first: " << faults.front();
}

}  // namespace
}  // namespace ventorel
