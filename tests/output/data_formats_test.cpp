#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "output/names.h"
#include "output/ics_calendar.h"
#include "output/json_calendar.h"
#include "csv_reader.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

// Days with what the classic source never gives: the instants of a term and a
// new moon, and a holiday on a day shown in the Julian calendar.
CalendarYear yearWithInstants() {
  CalendarYear year;
  year.enteredYear = year.year = 1582;
  year.yearSign = {9, 7};
  CalendarDay term;
  term.month = 2, term.day = 4, term.gregorian = true, term.sexagenary = {1, 1};
  term.term = 21;
  term.termInstant = JstMinute{1582, 2, 4, 17, 7};
  term.lunarMonth = {12, false}, term.lunarDay = 25;
  CalendarDay newMoon = term;
  newMoon.month = 2, newMoon.day = 10, newMoon.term.reset(), newMoon.termInstant.reset();
  newMoon.lunarMonth = {1, true}, newMoon.lunarDay = 1, newMoon.newMoon = true;
  newMoon.newMoonInstant = JstMinute{1582, 2, 10, 0, 59};
  CalendarDay julian = term;
  julian.term.reset(), julian.termInstant.reset(), julian.gregorian = false;
  julian.holiday = DayHoliday{"元日", HolidayKind::Law};
  year.days = {term, newMoon, julian};
  return year;
}

TEST(DataFormats, InstantsShowTheirTimeAndJulianDaysNoHoliday) {
  const BuiltinTables names;
  const CalendarYear year = yearWithInstants();
  std::vector<std::string> summaries;
  std::istringstream ics(icsCalendar("", year, names, {}, ""));
  for (std::string line; std::getline(ics, line);)
    if (line.starts_with("SUMMARY:")) summaries.push_back(line.substr(8, line.size() - 9));
  EXPECT_EQ(summaries, (std::vector<std::string>{"立春 17:07", "旧暦閏1月1日 朔 00:59"}));

  const std::string json = jsonCalendar(year, names);
  for (const char* part : {R"("term":{"name":"立春","kind":"節気","month":1,"time":"17:07"})",
                           R"("old_calendar":{"month":1,"leap":true,"day":1})", R"("new_moon":{"name":"朔","time":"00:59"})",
                           R"("holiday":null)"})
    EXPECT_NE(json.find(part), std::string::npos) << part;
  EXPECT_EQ(json.find("元日"), std::string::npos);
}

// Every output prints an instant to the nearest minute, on the day of the exact
// instant: from 23:59:30 on it stays 23:59.
TEST(DataFormats, InstantsAreRoundedToTheNearestMinuteOnTheirOwnDay) {
  struct Case { int hour, minute, second; const char* shown; };
  for (const Case c : {Case{17, 26, 29, "17:26"}, {17, 26, 30, "17:27"}, {12, 59, 30, "13:00"}, {0, 0, 0, "00:00"},
                       {23, 59, 29, "23:59"}, {23, 59, 40, "23:59"}, {23, 58, 45, "23:59"}}) {
    const JstMinute instant{2024, 2, 4, c.hour, c.minute, c.second};
    EXPECT_EQ(clockText(instant), c.shown) << c.hour << ":" << c.minute << ":" << c.second;
    const JstMinute rounded = nearestMinute(instant);
    EXPECT_EQ(std::make_tuple(rounded.month, rounded.day, rounded.second), std::make_tuple(2, 4, 0));
  }
}

// Texts from the data files reach the document escaped as JSON escapes them; a
// text that is not UTF-8 stops the run rather than making a broken file.
TEST(DataFormats, JsonEscapesTextsOfTheDataFiles) {
  const BuiltinTables names;
  CalendarYear year = yearWithInstants();
  year.days.resize(1);
  struct Case { const char* text; const char* written; };
  for (const Case c : {Case{"平成", R"("平成")"}, {"a\"b\\c", R"("a\"b\\c")"},
                       {"\t\n\x01\x1f\x7f", "\"\\t\\n\\u0001\\u001f\x7f\""}}) {
    year.skySource = c.text;
    year.days[0].holiday = DayHoliday{c.text, HolidayKind::Law};
    const std::string json = jsonCalendar(year, names);
    EXPECT_NE(json.find(std::string(",\"sky_source\":") + c.written + ",\"eras\""), std::string::npos) << json;
    EXPECT_NE(json.find(std::string("{\"name\":") + c.written + ",\"kind\":\"law\",\"prewar\":false}"),
              std::string::npos)
        << json;
  }
  for (const char* broken : {"\xff", "\xe5\xb9", "\xed\xa0\x80"}) {
    year.skySource = broken;
    EXPECT_THROW(jsonCalendar(year, names), std::exception) << broken;
  }
}

TEST(DataFormats, IsoDates) {
  struct Case { double year; const char* text; };
  for (const Case c : {Case{2024, "2024-02-04"}, {0, "0000-02-04"}, {-659, "-0659-02-04"}, {10000, "+10000-02-04"},
                       {-65000000, "-65000000-02-04"}})
    EXPECT_EQ(isoDate(c.year, 2, 4), c.text);
}

TEST(DataFormats, TheCommandLineWritesACsvFileEveryStrictReaderAccepts) {
  testing::TempFolder folder;
  testing::copyShippedData(folder);
  const std::string command = std::string("'") + VENTOREL_CLI + "' --folder '" + folder.path() +
                              "' --format csv 2024 2025 > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* name : {"2024年カレンダー.csv", "2025年カレンダー.csv"}) {
    const std::string bytes = folder.read(name);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << name;
    std::string error;
    const auto records = testing::readStrictCsv(bytes.substr(3), error);
    ASSERT_TRUE(records) << name << ": " << error;
    std::size_t days = 0;
    for (const auto& r : *records)
      if (r.size() >= 20 && r[0].starts_with(std::string(name).substr(0, 4) + "-")) ++days;
    EXPECT_EQ(days, std::string(name) == "2024年カレンダー.csv" ? 366u : 365u) << name;
  }
}

}  // namespace
}  // namespace ventorel
