// The true calendar's CSV files over long spans of years: the holidays of the
// law against the official list, and the old-calendar months against the
// historical table.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "astro/julian_day.h"
#include "output/csv_reader.h"
#include "data/historical_months.h"
#include "classic/csv_calendar.h"
#include "classic/html_calendar.h"
#include "output/article_link.h"
#include "output/ics_calendar.h"
#include "output/json_calendar.h"
#include "output/page_calendar.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::shippedData;

// The day records of a year's CSV file (the records of eleven fields or more after the header).
testing::CsvRecords csvDays(double year, CalendarBasis basis = CalendarBasis::True,
                            const ReferenceData& data = shippedData()) {
  std::string error;
  const auto records = testing::readStrictCsv(csvCalendar(computeCalendar(year, basis, data).year, data.names), error);
  EXPECT_TRUE(records) << error;
  testing::CsvRecords days;
  for (const auto& r : records.value_or(testing::CsvRecords{}))
    if (r.size() >= 11 && r[0] != "西暦年") days.push_back(r);
  return days;
}

std::string isoDate(int y, int m, int d) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
  return text;
}

// "YYYY-MM-DD name" of every holiday a year's CSV file shows.
std::set<std::string> csvHolidays(int year, const ReferenceData& data = shippedData(),
                                  CalendarBasis basis = CalendarBasis::True) {
  std::set<std::string> out;
  for (const auto& r : csvDays(year, basis, data))
    if (!r[4].empty()) out.insert(isoDate(year, std::stoi(r[1]), std::stoi(r[2])) + " " + r[4]);
  return out;
}

// Every holiday of the reference list on its day of the CSV file, with the equinox
// days of the true sky; the 祝祭日 of the decrees before the law are
// holiday_law_test.cpp's.
TEST(TrueCalendarFiles, HolidaysOfEveryYearFrom1948To2050AreTheLaws) {
  std::size_t total = 0, equal = 0;
  for (int year = 1946; year <= 2050; ++year) {
    const auto listed = testing::referenceHolidays().find(year);
    std::set<std::string> expected;
    if (listed != testing::referenceHolidays().end()) expected.insert(listed->second.begin(), listed->second.end());
    std::set<std::string> shown;
    for (const std::string& day : csvHolidays(year))
      if (day >= "1948-07-20") shown.insert(day);
    std::string diff;
    for (const std::string& day : shown) diff += expected.count(day) ? "" : " extra " + day;
    for (const std::string& day : expected) diff += shown.count(day) ? "" : " missing " + day;
    EXPECT_EQ(diff, "") << year;
    total += expected.size();
    if (shown == expected) equal += shown.size();
  }
  EXPECT_EQ(total, 1107u + 426);
  EXPECT_EQ(equal, total);
  std::cout << "holidays 1948-2050 as the law gives them: " << equal << " of " << total << "\n";
}

TEST(TrueCalendarFiles, WithoutAWholeHolidayLawTheHolidayFileRules) {
  ReferenceData data = shippedData();
  data.lawComplete = false;
  EXPECT_TRUE(csvHolidays(1990, data).empty());
  EXPECT_EQ(csvHolidays(2024, data), csvHolidays(2024, data, CalendarBasis::Classic));
  EXPECT_EQ(csvHolidays(2024, data).count("2024-02-23 天皇誕生日"), 1u);
}

// "旧暦M月" or "旧暦閏M月", "D日" and the 六曜 ((month + day) mod 6 from 大安) as the
// table gives the day.
std::string tableDay(const HistoricalDay& h) {
  static const char* const Rokuyo[] = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
  return std::string("旧暦") + (h.leap ? "閏" : "") + std::to_string(h.month) + "月 " + std::to_string(h.day) + "日 " +
         Rokuyo[(h.month + h.day) % 6];
}

TEST(TrueCalendarFiles, OldCalendarOfEveryDay445To1872IsTheHistoricalTable) {
  std::int64_t days = 0, equal = 0;
  for (int year = HistoricalFirstYear; year <= HistoricalLastYear; ++year) {
    const testing::CsvRecords records = csvDays(year);
    const auto table = historicalDays(jdnOfGregorian(year, 1, 1), static_cast<int>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!table[i]) continue;
      ++days;
      const std::string shown = records[i][7] + " " + records[i][8] + " " + records[i][6];
      if (shown == tableDay(*table[i])) ++equal;
      else if (days - equal <= 5) ADD_FAILURE() << year << "-" << records[i][1] << records[i][2] << ": " << shown;
    }
  }
  EXPECT_EQ(days, HistoricalLastJdn - HistoricalFirstJdn + 1);
  EXPECT_EQ(equal, days);
  std::cout << "days 445-1872 as the historical table gives them: " << equal << " of " << days << "\n";
}

// The old-calendar column either side of the table's ends: each day is the day
// after the one before (or the first of a month), without a gap.
TEST(TrueCalendarFiles, TheTableJoinsTheSkyAtBothEnds) {
  for (const int first : {444, 1872}) {
    testing::CsvRecords span = csvDays(first);
    for (auto& r : csvDays(first + 1)) span.push_back(r);
    for (std::size_t i = 1; i < span.size(); ++i) {
      const int day = std::stoi(span[i][8]), before = std::stoi(span[i - 1][8]);
      EXPECT_TRUE(day == before + 1 || (day == 1 && before >= 29)) << first << " " << span[i][1] << span[i][2];
    }
  }
  const ReferenceData& data = shippedData();
  const CalendarYear meiji6 = computeCalendar(1873, CalendarBasis::True, data).year;
  EXPECT_EQ(meiji6.eras.at(0).era + std::to_string(static_cast<int>(meiji6.eras.at(0).yearOfEra)), "明治6");
  EXPECT_TRUE(meiji6.historicalCalendar.empty());
  const testing::CsvRecords y1873 = csvDays(1873);
  EXPECT_EQ(y1873.front()[7] + y1873.front()[8], "旧暦12月3日");  // 明治5年12月2日 was the day before
}

// The year header names the calendar in force up to 1872, in the true files only.
TEST(TrueCalendarFiles, TheYearHeaderNamesTheHistoricalCalendar) {
  const ReferenceData& data = shippedData();
  const CalendarYear y1600 = computeCalendar(1600, CalendarBasis::True, data).year;
  EXPECT_NE(csvCalendar(y1600, data.names).find("の年　旧暦は宣明暦\""), std::string::npos);
  EXPECT_NE(htmlCalendar(y1600, data.names).find("の年　旧暦は" + articleLink("宣明暦", "宣明暦", ClassicLink) + "<br>"),
            std::string::npos);
  EXPECT_EQ(computeCalendar(1685, CalendarBasis::True, data).year.historicalCalendar, "貞享暦");
  EXPECT_TRUE(computeCalendar(1600, CalendarBasis::Classic, data).year.historicalCalendar.empty());
}

// Up to 1872 the months are the historical calendars', so the sky's new moon is
// named 天文朔 wherever it is printed; from 1873 on it is the month's own 朔.
TEST(TrueCalendarFiles, TheSkysNewMoonIsTheAstronomicalOneWhileTheMonthsAreHistorical) {
  const ReferenceData& data = shippedData();
  struct Case { int year; bool astronomical; };
  for (const Case c : {Case{445, true}, {1872, true}, {1873, false}}) {
    const CalendarYear year = computeCalendar(c.year, CalendarBasis::True, data).year;
    const auto moons = std::count_if(year.days.begin(), year.days.end(), [](const CalendarDay& d) { return d.newMoon; });
    const std::string page = pageCalendar(year, data.names), json = jsonCalendar(year, data.names);
    auto count = [](const std::string& text, const std::string& part) {
      std::size_t n = 0;
      for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
      return static_cast<long>(n);
    };
    EXPECT_EQ(count(page, ">天文朔 "), c.astronomical ? moons : 0) << c.year;
    EXPECT_EQ(count(json, R"("new_moon":{"name":"天文朔")"), c.astronomical ? moons : 0) << c.year;
    EXPECT_EQ(count(json, R"("new_moon":{"name":"朔")"), c.astronomical ? 0 : moons) << c.year;
    EXPECT_EQ(count(icsCalendar("", year, data.names, {}, ""), "SUMMARY:天文朔 "), c.astronomical ? moons : 0)
        << c.year;
  }
}

}  // namespace
}  // namespace ventorel
