#include "data/holiday_law.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ventorel {
namespace {

TEST(HolidayLawReader, ReportsEveryDamagedLineWithFileAndLineAndKeepsTheRest) {
  struct Case {
    std::string text;
    std::string problem;  // "" for none
    std::size_t rules;
  };
  const std::string good = "1948-07-20  -  01-01  元日\n";
  const std::vector<Case> cases = {
      {"\xEF\xBB\xBF# law\r\n\r\n" + good + "2000-01-01\t-\t01-Mon2\t成人の日\r\n", "", 2},
      {good + "1948-07-20 - 01-01\n" + good, "x.dat 2行目：始まり、終わり、規則、名前の四つの列がありません", 2},
      {good + good + "1948-02-30 - 01-01 元日\n", "x.dat 3行目：\"1948-02-30\" が YYYY-MM-DD の日付ではありません", 2},
      {good + "2000-01-01 1999-12-31 01-01 元日\n", "x.dat 2行目：規則の終わりが始まりより前です", 1},
      {good + "2000-01-01 - 13-01 元日\n", "x.dat 2行目：規則 \"13-01\" がわかりません", 1},
      {good + "2000-01-01 - 02-30 元日\n", "x.dat 2行目：\"02-30\" という日はありません", 1},
      {good + "2000-01-01 - 01-Mon6 元日\n", "x.dat 2行目：規則 ", 1},
      {good + "2000-01-01 - 01-Sun2 元日\n", "x.dat 2行目：規則 ", 1},
      {good + "2000-01-01 2000-01-02 once 元日\n", "x.dat 2行目：一日だけの規則", 1},
      {good + "2000-01-01 - 01-01 元\x01日\n", "x.dat 2行目：行に制御文字があります", 1},
      {good + "# a comment \x1b[2J\n", "x.dat 2行目：行に制御文字があります", 1},
      {"# nothing\n", "x.dat：規則が一つもありません", 0},
      {"\x81\x20", "x.dat：文字コードが", 0},
  };
  for (const Case& c : cases) {
    const HolidayLawReading reading = readHolidayLaw(c.text, "x.dat");
    EXPECT_EQ(reading.law.rules().size(), c.rules) << c.text;
    if (c.problem.empty()) {
      EXPECT_TRUE(reading.ok()) << reading.problems.front().text();
    } else {
      ASSERT_EQ(reading.problems.size(), 1u) << c.text;
      EXPECT_EQ(reading.problems.front().text().rfind(c.problem, 0), 0u) << reading.problems.front().text();
    }
  }
}

// Millions of damaged lines cost no more than a few: the first are kept, the rest counted.
TEST(HolidayLawReader, KeepsTheFirstDamagedLinesAndCountsTheRest) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "junk\n";
  const HolidayLawReading reading = readHolidayLaw(text, "x.dat");
  EXPECT_FALSE(reading.ok());
  EXPECT_EQ(reading.problemCount, 100000u);
  ASSERT_EQ(reading.problems.size(), MaxKeptProblems);
  EXPECT_EQ(reading.problems.back().line, int(MaxKeptProblems));
}

}  // namespace
}  // namespace ventorel
