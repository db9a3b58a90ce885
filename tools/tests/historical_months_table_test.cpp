#include "historical_months_table.h"

#include <gtest/gtest.h>

#include <string>

#include "data/historical_months.h"
#include "tool_files.h"

namespace ventorel::tools {
namespace {

std::string sourceFile(const std::string& relative) {
  return readFileBytes((std::string(VENTOREL_SOURCE_DIR) + "/" + relative).c_str()).value_or("");
}

const ReferenceRead& reference() {
  static const ReferenceRead read = readReferenceMonths(sourceFile("data/source/kyureki_445_1872.csv"));
  return read;
}

TEST(HistoricalMonthsTable, TheCompiledTableIsTheToolsOutput) {
  ASSERT_EQ(reference().error, "");
  EXPECT_TRUE(sourceFile("src/data/historical_months_table.inc") == historicalMonthsTableText(reference().months))
      << "regenerate with the data-files target";
}

TEST(HistoricalMonthsTable, EveryMonthOfTheReferenceIsInTheTable) {
  const auto& expected = reference().months;
  const auto months = historicalMonths();
  ASSERT_EQ(months.size(), 17662u);
  ASSERT_EQ(expected.size(), months.size());
  for (std::size_t i = 0; i < months.size(); ++i) {
    const ReferenceMonth& e = expected[i];
    ASSERT_EQ(months[i], (HistoricalMonth{e.year, e.month, e.leap, e.startJdn, e.days})) << "month " << i;
  }
}

TEST(HistoricalMonthsTable, FaultyListsAreRefusedWithTheirLine) {
  const std::string head = "year,leap_month,month,start_gregorian,start_jdn,days\n";
  const std::string leapYear =  // 445 from the reference, with its leap month 5
      "445,5,1,0445-01-25,1883618,30\n445,5,2,0445-02-24,1883648,29\n445,5,3,0445-03-25,1883677,30\n"
      "445,5,4,0445-04-24,1883707,29\n445,5,5,0445-05-23,1883736,30\n445,5,閏5,0445-06-22,1883766,29\n"
      "445,5,6,0445-07-21,1883795,30\n445,5,7,0445-08-20,1883825,29\n445,5,8,0445-09-18,1883854,30\n"
      "445,5,9,0445-10-18,1883884,29\n445,5,10,0445-11-16,1883913,30\n445,5,11,0445-12-16,1883943,29\n"
      "445,5,12,0446-01-14,1883972,30\n";
  ASSERT_EQ(readReferenceMonths(head + leapYear).error, "");
  ASSERT_EQ(readReferenceMonths(head + leapYear).months.size(), 13u);
  struct Case { std::string from, to, error; };
  const Case cases[] = {
      {"year,", "Year,", "line 1: the header"},
      {"445,5,2,0445-02-24,1883648,29", "445,5,2,0445-02-25,1883649,29", "line 3: the month does not start"},
      {"445,5,2,0445-02-24,1883648,29", "445,5,2,0445-02-24,1883649,29", "line 3: start_gregorian and start_jdn"},
      {"445,5,閏5,", "445,5,閏4,", "line 7: the leap month is not"},
      {"445,5,閏5,", "445,5,5,", "line 7: the month is out of order"},
      {"445,5,3,0445-03-25,1883677,30", "445,5,3,0445-03-25,1883677,31", "line 4: month length"},
      {"445,5,3,0445-03-25,1883677,30", "445,5,3,0445-03-25,1883677,3", "line 5: only the last month"},
      {"445,5,4,", "445,4,4,", "line 5: leap_month changes"},
      {"0445-02-24", "0445-02-30", "line 3: start_gregorian is not a date"},
      {"445,5,12,0446-01-14,1883972,30\n", "", "the list does not end"},
      {"445,5,1,0445-01-25,1883618,30\n", "", "line 2: the list does not begin"},
      {"1883884", "18838x4", "line 11: a field is not a number"},
  };
  for (const Case& c : cases) {
    std::string csv = head + leapYear;
    csv.replace(csv.find(c.from), c.from.size(), c.to);
    const ReferenceRead read = readReferenceMonths(csv);
    EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << c.to << ": " << read.error;
    EXPECT_TRUE(read.months.empty()) << c.to;
  }
}

}  // namespace
}  // namespace ventorel::tools
