#include "output/calendar_file.h"

#include <gtest/gtest.h>

#include "calendar/calendar_basis.h"
#include "csv_reader.h"

namespace ventorel {
namespace {

// The classic basis keeps the blank of its old names; the true basis drops it.
// Every name either gives is a calendar's for the sweep of temporary files.
TEST(CalendarFile, FileNamesCarryTheYearWithItsBlankOrSign) {
  struct Case { double entered; const char* extension; CalendarBasis basis; const char* path; };
  for (const Case c : {Case{2024, ".htm", CalendarBasis::Classic, "/x/y/ 2024年カレンダー.htm"},
                       {-660, ".csv", CalendarBasis::Classic, "/x/y/-660年カレンダー.csv"},
                       {1, ".csv", CalendarBasis::Classic, "/x/y/ 1年カレンダー.csv"},
                       {2024, ".htm", CalendarBasis::True, "/x/y/2024年カレンダー.htm"},
                       {-660, ".json", CalendarBasis::True, "/x/y/-660年カレンダー.json"}}) {
    const std::string path = calendarPath("/x/y", c.entered, c.extension,
                                          c.basis == CalendarBasis::True ? FileNaming::Plain : FileNaming::LeadingBlank);
    EXPECT_EQ(path, c.path);
    EXPECT_TRUE(isCalendarFileName(path.substr(5))) << path;
  }
  for (const char* other : {"年カレンダー.htm", "x2024年カレンダー.htm", "2024年カレンダー.txt", " 年カレンダー.csv"})
    EXPECT_FALSE(isCalendarFileName(other)) << other;
}

TEST(CalendarFile, TheStrictReaderRefusesWhatTheWritersMustNotWrite) {
  std::string error;
  ASSERT_TRUE(testing::readStrictCsv("\"a\",\"b\"\"c\"\r\n\"\"\r\n", error));
  EXPECT_EQ(*testing::readStrictCsv("\"a\",\"b\"\"c\"\r\n\"\"\r\n", error),
            (testing::CsvRecords{{"a", "b\"c"}, {""}}));
  for (const char* bad : {"a\r\n", "\"a\"\n", "\"a\"x\r\n", "\"a", "\"a\r\n\"\r\n"})
    EXPECT_FALSE(testing::readStrictCsv(bad, error)) << bad;
}

}  // namespace
}  // namespace ventorel
