// Whole runs with the Sun, the Moon and the shipped new-moon table: the months
// of real and computed years, the window's summary, and a sweep over six
// thousand years.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "astro/day_walk.h"
#include "calendar/lunar_months.h"
#include "calendar/lunation_rule.h"
#include "data/data_files.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

struct ShippedRun : testing::ShippedProgram {
  // A run that stops before the writers (a format that is neither of the two).
  RunReport runWithoutFile(int enteredYear) {
    recorded.state->outputFormat = Value(2.0);
    return recorded.run(std::to_string(enteredYear), "");
  }
};

// "m/d name" for each new moon of the chosen year.
std::vector<std::string> chosenYearMonths(const RunState& state) {
  std::vector<std::string> months;
  for (int n = 1; n <= 13; ++n) {
    const int d = state.newMoonDay(1, n);
    if (d == 0) continue;
    const MonthDay date = monthDayOf(d, state.monthStart);
    months.push_back(std::to_string(date.month) + "/" + std::to_string(date.day) + " " + state.dayLunarMonth(1, d));
  }
  return months;
}

// The sky passes of a run alone, and the months the literal steps give for them.
struct LiteralMonths {
  std::vector<std::string> chosenYear;  // the entries of the chosen year's new moons
  int spansRenamed = 0;
};

LiteralMonths literalMonths(ShippedRun& run, int enteredYear) {
  RunState& s = *run.recorded.state;
  s.enteredYear = enteredYear;
  s.year = s.baseYear = enteredYear < 0 ? enteredYear + 1 : enteredYear;
  s.useNewMoonTable = s.year > 1901 && s.year < 2099 ? 1 : 0;
  s.newMoonRow.reset();
  if (s.useNewMoonTable)
    for (int r = 1; r <= NewMoonRows && !s.newMoonRow; ++r)
      if (s.newMoonTable(r, 1).equals(s.year - 1)) s.newMoonRow = r;
  for (int m = 1; m <= 39; ++m) s.lunarMonthSeq[m].clear();
  s.nyubaiDay = s.hangeshoDay = 0;
  RecordingSurface surface;
  runPasses(s, surface);
  const int monthCount = numberMonthsFromMarks(s);
  LiteralMonths literal;
  int first = 1;
  for (int n = 1; n <= 13; ++n) first += s.newMoonDay(0, n) != 0;
  for (int n = 1; n <= 13; ++n)
    if (s.newMoonDay(1, n) != 0) literal.chosenYear.push_back(s.lunarMonthSeq[first + n - 1]);
  literal.spansRenamed = mendMonthsAgainstRule(s, monthCount);
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
  ASSERT_EQ(run.runWithoutFile(-2994).status, RunStatus::Done);
  EXPECT_EQ(joined(chosenYearMonths(*run.recorded.state)),
            "1/1 12月 1/31 1月 3/1 2月 3/30 3月 4/28 4月 5/28 閏4月 6/26 5月 7/26 6月 8/25 7月 9/24 8月 10/24 9月 "
            "11/23 10月 12/22 11月");
  // 297: the month from 31 December, literally 1月, is 12月.
  EXPECT_EQ(literalMonths(run, 297).chosenYear.back(), "1月");
  ASSERT_EQ(run.runWithoutFile(297).status, RunStatus::Done);
  EXPECT_EQ(chosenYearMonths(*run.recorded.state).back(), "12/31 12月");
  // 1479 ends 9月, 閏9月, 12月, 1月, 11月 literally; 8月, 閏8月, 9月, 10月, 11月 by the rule.
  EXPECT_EQ(joined(literalMonths(run, 1479).chosenYear, 8), "9月 閏9月 12月 1月 11月");
  ASSERT_EQ(run.runWithoutFile(1479).status, RunStatus::Done);
  EXPECT_EQ(joined(chosenYearMonths(*run.recorded.state), 8), "8/27 8月 9/25 閏8月 10/24 9月 11/23 10月 12/22 11月");
}

TEST(WholeRun, RightMonthsAreKeptExactly) {
  ShippedRun run;
  for (int year : {1902, 2023, 2033, 2098, 2150}) EXPECT_EQ(literalMonths(run, year).spansRenamed, 0) << year;
  ASSERT_EQ(run.runWithoutFile(2033).status, RunStatus::Done);
  EXPECT_EQ(chosenYearMonths(*run.recorded.state).back(), "12/22 閏11月");
  ASSERT_EQ(run.runWithoutFile(2150).status, RunStatus::Done);
  EXPECT_EQ(chosenYearMonths(*run.recorded.state)[6], "7/24 閏6月");
  // With the table: 1 January 2024 is day 20 of 11月; early 1985 as published.
  ASSERT_EQ(run.runWithoutFile(2024).status, RunStatus::Done);
  EXPECT_EQ(run.recorded.state->dayLunarMonth(1, 1), "11月");
  EXPECT_EQ(run.recorded.state->dayMoonAge(1, 1), 20);
  ASSERT_EQ(run.runWithoutFile(1985).status, RunStatus::Done);
  EXPECT_EQ(chosenYearMonths(*run.recorded.state)[0], "1/21 12月");
  EXPECT_EQ(chosenYearMonths(*run.recorded.state)[1], "2/20 1月");
}

// Every year from -3000 to 3000: the run completes, and every day of the chosen
// year ends with an old-calendar month and a day of month from 1 to 30.
TEST(WholeRun, SixThousandYears) {
  ShippedRun run;
  std::vector<std::string> faults;
  for (int year = -3000; year <= 3000; ++year) {
    if (year == 0) continue;
    const RunReport report = run.runWithoutFile(year);
    if (report.status != RunStatus::Done) {
      faults.push_back(std::to_string(year) + ": " + report.message);
      continue;
    }
    const RunState& state = *run.recorded.state;
    const int lastDay = 365 + leapDay(state.baseYear);
    for (int d = 1; d <= lastDay; ++d) {
      const int age = state.dayMoonAge(1, d);
      if (state.dayLunarMonth(1, d).empty() || age < 1 || age > 30) {
        faults.push_back(std::to_string(year) + " day " + std::to_string(d) + ": '" + state.dayLunarMonth(1, d) +
                         "' " + std::to_string(age));
        break;
      }
    }
  }
  EXPECT_TRUE(faults.empty()) << faults.size() << " years, first: " << faults.front();
  EXPECT_TRUE(run.recorded.messages.texts.empty());
}

}  // namespace
}  // namespace ventorel
