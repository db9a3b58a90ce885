#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/holiday_law_days.h"
#include "data/holiday_law.h"
#include "support/test_support.h"

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

// "MM-DD name" lines of a year's holidays; with `lawOnly` those of the holiday law
// of 1948 on, without the 祝祭日 before it.
std::vector<std::string> lines(const HolidayLaw& law, int year, int spring, int autumn, bool lawOnly = false) {
  std::vector<std::string> out;
  for (const Holiday& h : holidaysOfYear(law, year, spring, autumn)) {
    if (lawOnly && h.prewar) continue;
    char date[8];
    std::snprintf(date, sizeof date, "%02d-%02d", h.month % 100, h.day % 100);
    out.push_back(std::string(date) + " " + holidayName(law, h));
  }
  return out;
}

// Every year of the reference list, with the equinox days taken from the list.
TEST(HolidayLaw, EqualsTheReferenceListEveryYearFrom1948To2050) {
  std::size_t total = 0, equal = 0;
  for (int year = 1948; year <= 2050; ++year) {
    std::vector<std::string> expected;
    int spring = 21, autumn = 23;  // 1948 has no spring equinox holiday yet
    for (const std::string& line : testing::referenceHolidays().at(year)) {
      expected.push_back(line.substr(5));
      if (line.ends_with("春分の日")) spring = std::stoi(line.substr(8, 2));
      if (line.ends_with("秋分の日")) autumn = std::stoi(line.substr(8, 2));
    }
    const std::vector<std::string> actual = lines(shippedLaw(), year, spring, autumn, true);
    EXPECT_EQ(actual, expected) << year;
    total += expected.size();
    if (actual == expected) equal += actual.size();
  }
  EXPECT_EQ(total, 1107u + 426);
  EXPECT_EQ(equal, total);
}

// Every period of the 祝祭日 against the decrees: each rule (its date or kind and
// name) is in force from the first day to the last, and not on the day before
// the first nor on the day after the last.
TEST(HolidayLaw, FestivalDaysOfTheDecreesHoldForTheirPeriods) {
  struct Period {
    const char* rule;  // "MM-DD name" or "spring-equinox name"
    LawDate first, last;
  };
  const Period periods[] = {
      {"01-01 四方節", 18730101, 19480719},        {"01-29 紀元節", 18730129, 18730129},
      {"11-03 天長節", 18730101, 19120902},        {"11-23 新嘗祭", 18730101, 19480719},
      {"01-03 元始祭", 18731014, 19480719},        {"01-05 新年宴会", 18731014, 19480719},
      {"01-30 孝明天皇祭", 18731014, 19120902},    {"02-11 紀元節", 18731014, 19480719},
      {"04-03 神武天皇祭", 18731014, 19480719},    {"09-17 神嘗祭", 18731014, 18781231},
      {"10-17 神嘗祭", 18790101, 19480719},        {"spring-equinox 春季皇霊祭", 18780605, 19480719},
      {"autumn-equinox 秋季皇霊祭", 18780605, 19480719}, {"07-30 明治天皇祭", 19120903, 19270302},
      {"08-31 天長節", 19120903, 19270302},        {"10-31 天長節祝日", 19130101, 19270302},
      {"04-29 天長節", 19270303, 19480719},        {"11-03 明治節", 19270303, 19480719},
      {"12-25 大正天皇祭", 19270303, 19480719},    {"01-01 元日", 19480720, OpenEnd},
  };
  auto key = [](const HolidayRule& r) {
    char date[8];
    std::snprintf(date, sizeof date, "%02d-%02d", r.month % 100, r.day % 100);
    const char* kind = r.kind == HolidayRuleKind::SpringEquinox   ? "spring-equinox"
                       : r.kind == HolidayRuleKind::AutumnEquinox ? "autumn-equinox"
                                                                  : date;
    return std::string(kind) + " " + r.name;
  };
  auto inForce = [&](const std::string& rule, LawDate date) {
    for (const HolidayRule& r : shippedLaw().rules())
      if (key(r) == rule && r.from <= date && date <= r.to) return true;
    return false;
  };
  // The day before and after a YYYYMMDD date of the periods (no period starts on
  // the first of a month but January's, nor ends on the last but December's).
  auto dayBefore = [](LawDate d) { return d % 10000 == 101 ? d - 8870 : d - 1; };
  auto dayAfter = [](LawDate d) { return d % 10000 == 1231 ? d + 8870 : d + 1; };
  for (const Period& p : periods) {
    EXPECT_TRUE(inForce(p.rule, p.first) && inForce(p.rule, p.last)) << p.rule;
    EXPECT_FALSE(inForce(p.rule, dayBefore(p.first))) << p.rule << " before " << p.first;
    if (p.last != OpenEnd) {
      EXPECT_FALSE(inForce(p.rule, dayAfter(p.last))) << p.rule << " after " << p.last;
    }
  }
  // The years of a change, with the single days of the enthronements.
  std::map<int, std::vector<std::string>> expected;
  for (const std::string& line : testing::dataLines("tests/calendar/prewar_holidays.txt")) {
    std::vector<std::string>& year = expected[std::stoi(line)];
    if (line.substr(5) != "-") year.push_back(line.substr(5));
  }
  ASSERT_EQ(expected.size(), 4u);
  for (const auto& [year, holidays] : expected) EXPECT_EQ(lines(shippedLaw(), year, 21, 23), holidays) << year;
  EXPECT_EQ(lines(shippedLaw(), 1878, 21, 23).size(), 10u);  // the autumn 皇霊祭 only
  // 1948: the 祝祭日 up to 19 July, the 祝日 of the law after.
  const std::vector<Holiday> y1948 = holidaysOfYear(shippedLaw(), 1948, 21, 23);
  ASSERT_EQ(y1948.size(), 10u);
  for (const Holiday& h : y1948) EXPECT_EQ(h.prewar, h.month < 7) << h.month << "-" << h.day;
}

// Years outside the reference: before the decrees, and the current law going on.
TEST(HolidayLaw, YearsBeforeTheLawAndAfterTheReference) {
  EXPECT_TRUE(lines(shippedLaw(), -500, 21, 23).empty());
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

}  // namespace
}  // namespace ventorel
