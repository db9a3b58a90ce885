#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/holiday_law_days.h"
#include "data/holiday_law.h"

namespace ventorel {
namespace {

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const HolidayLaw& shippedLaw() {
  static const HolidayLawReading reading =
      readHolidayLaw(fileBytes(std::string(VENTOREL_SOURCE_DIR) + "/data/holiday_law.dat"));
  for (const auto& problem : reading.problems) ADD_FAILURE() << problem.text();
  return reading.law;
}

// "MM-DD name" lines of a year's holidays.
std::vector<std::string> lines(const HolidayLaw& law, int year, int spring, int autumn) {
  std::vector<std::string> out;
  for (const Holiday& h : holidaysOfYear(law, year, spring, autumn)) {
    char date[8];
    std::snprintf(date, sizeof date, "%02d-%02d", h.month % 100, h.day % 100);
    out.push_back(std::string(date) + " " + holidayName(law, h));
  }
  return out;
}

// Every year of the reference list, with the equinox days taken from the list.
TEST(HolidayLaw, EqualsTheReferenceListEveryYearFrom1948To2026) {
  std::istringstream csv(fileBytes(std::string(VENTOREL_SOURCE_DIR) + "/tests/data/holidays_1948_2026.csv"));
  std::map<int, std::vector<std::string>> expected;
  std::string row;
  std::getline(csv, row);  // header
  int total = 0;
  while (std::getline(csv, row)) {
    const std::string name = row.substr(11, row.find(',', 11) - 11);
    expected[std::stoi(row.substr(0, 4))].push_back(row.substr(5, 5) + " " + name);
    ++total;
  }
  ASSERT_EQ(total, 1107);
  int equal = 0;
  for (int year = 1948; year <= 2026; ++year) {
    int spring = 21, autumn = 23;  // 1948 has no spring equinox holiday yet
    for (const std::string& line : expected[year]) {
      if (line.ends_with("春分の日")) spring = std::stoi(line.substr(3, 2));
      if (line.ends_with("秋分の日")) autumn = std::stoi(line.substr(3, 2));
    }
    const std::vector<std::string> actual = lines(shippedLaw(), year, spring, autumn);
    EXPECT_EQ(actual, expected[year]) << year;
    if (actual == expected[year]) equal += static_cast<int>(actual.size());
  }
  EXPECT_EQ(equal, total);
}

// Years outside the reference: before the law, and the current law going on.
TEST(HolidayLaw, YearsBeforeTheLawAndAfterTheReference) {
  EXPECT_TRUE(lines(shippedLaw(), 1947, 21, 23).empty());
  EXPECT_TRUE(lines(shippedLaw(), -500, 21, 23).empty());
  const std::vector<std::string> y2027 = {
      "01-01 元日",       "01-11 成人の日",   "02-11 建国記念の日", "02-23 天皇誕生日", "03-21 春分の日",
      "03-22 振替休日",   "04-29 昭和の日",   "05-03 憲法記念日",   "05-04 みどりの日", "05-05 こどもの日",
      "07-19 海の日",     "08-11 山の日",     "09-20 敬老の日",     "09-23 秋分の日",   "10-11 スポーツの日",
      "11-03 文化の日",   "11-23 勤労感謝の日"};
  EXPECT_EQ(lines(shippedLaw(), 2027, 21, 23), y2027);
  EXPECT_EQ(lines(shippedLaw(), 1000000, 20, 22).size(), 16u);  // far years keep the law in force
  EXPECT_THROW(holidaysOfYear(shippedLaw(), 2027, 0, 23), std::domain_error);
  EXPECT_THROW(holidaysOfYear(shippedLaw(), 2027, 21, 31), std::domain_error);
}

// Substitutes and in-between days look across the turn of the year.
TEST(HolidayLaw, RulesReachAcrossTheTurnOfTheYear) {
  const HolidayLawReading reading = readHolidayLaw(
      "2000-01-01 - 01-01 元日\n2000-01-01 - 12-31 大晦日\n2000-01-01 - 01-02 二日\n"
      "2000-01-01 - substitute-next-free 振替休日\n2000-01-01 - between 国民の休日\n",
      "test.dat");
  ASSERT_TRUE(reading.ok());
  // 2023-01-01 is a Sunday; so is 2023-12-31, whose substitute is the first free day of 2024.
  EXPECT_EQ(lines(reading.law, 2023, 21, 23),
            (std::vector<std::string>{"01-01 元日", "01-02 二日", "01-03 振替休日", "12-31 大晦日"}));
  EXPECT_EQ(lines(reading.law, 2024, 21, 23),
            (std::vector<std::string>{"01-01 元日", "01-02 二日", "01-03 振替休日", "12-31 大晦日"}));
}

TEST(HolidayLawReader, ReportsEveryDamagedLineWithFileAndLineAndKeepsTheRest) {
  struct Case {
    std::string text;
    std::string problem;  // "" for none
    std::size_t rules;
  };
  const std::string good = "1948-07-20  -  01-01  元日\n";
  const std::vector<Case> cases = {
      {"\xEF\xBB\xBF# law\r\n\r\n" + good + "2000-01-01\t-\t01-Mon2\t成人の日\r\n", "", 2},
      {good + "1948-07-20 - 01-01\n" + good, "x.dat, line 2: expected four columns", 2},
      {good + good + "1948-02-30 - 01-01 元日\n", "x.dat, line 3: \"1948-02-30\" is not a date", 2},
      {good + "2000-01-01 1999-12-31 01-01 元日\n", "x.dat, line 2: the rule ends before it begins", 1},
      {good + "2000-01-01 - 13-01 元日\n", "x.dat, line 2: unknown rule \"13-01\"", 1},
      {good + "2000-01-01 - 02-30 元日\n", "x.dat, line 2: no such day", 1},
      {good + "2000-01-01 - 01-Mon6 元日\n", "x.dat, line 2: unknown rule", 1},
      {good + "2000-01-01 - 01-Sun2 元日\n", "x.dat, line 2: unknown rule", 1},
      {good + "2000-01-01 2000-01-02 once 元日\n", "x.dat, line 2: a single day", 1},
      {good + "2000-01-01 - 01-01 元\x01日\n", "x.dat, line 2: the line holds a control", 1},
      {good + "# a comment \x1b[2J\n", "x.dat, line 2: the line holds a control", 1},
      {"# nothing\n", "x.dat: the file holds no rules", 0},
      {"\x81\x20", "x.dat: the file is neither", 0},
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
