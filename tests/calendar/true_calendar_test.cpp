// The calendar of the true sky: the months by the modern rule, the days the
// almanac is checked by, the published instants, and the classic model standing
// in beyond the precise range.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "data/builtin_tables.h"
#include "classic/csv_calendar.h"
#include "classic/html_calendar.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::dayOf;
using testing::shippedData;

CalendarYear trueYear(int year) { return testing::calendarOf(year); }

TEST(TrueCalendar, LeapMonthsOfTheAlmanac) {
  struct Case { int year, number, month, day; };  // the leap month and its first day; number 0: none
  for (const Case c : {Case{2012, 3, 4, 21}, {2013, 0, 0, 0}, {2014, 9, 10, 24}, {2017, 5, 6, 24}, {2020, 4, 5, 23},
                       {2023, 2, 3, 22}, {2025, 6, 7, 25}, {2028, 5, 6, 23}, {2031, 3, 4, 22}, {2033, 11, 12, 22}}) {
    const CalendarYear year = trueYear(c.year);
    std::optional<CalendarDay> firstLeapDay;
    for (const CalendarDay& day : year.days)
      if (day.lunarMonth.leap && !firstLeapDay) firstLeapDay = day;
    if (c.number == 0) {
      EXPECT_FALSE(firstLeapDay) << c.year;
      continue;
    }
    ASSERT_TRUE(firstLeapDay) << c.year;
    EXPECT_EQ(firstLeapDay->lunarMonth.number, c.number) << c.year;
    EXPECT_EQ(std::make_pair(firstLeapDay->month, firstLeapDay->day), std::make_pair(c.month, c.day)) << c.year;
    EXPECT_EQ(firstLeapDay->lunarDay, 1) << c.year;
    EXPECT_TRUE(firstLeapDay->newMoon) << c.year;
  }
}

// Days the classic model puts elsewhere: 節分 by 立春 (the first 3 February
// since 1897), the equinox holiday, 処暑, and the summer 土用 from the Sun at 117
// degrees to the eve of 立秋 (the model starts it on 1952-07-18 and counts the
// 丑 day 立秋 of 1955 in). Also 入梅 and 半夏生 by 80 and 100 degrees, the four
// 土用の入り, the 社日 of a 癸 equinox by its time (2019 秋分 16:50, 2017 05:02), and a
// 祝祭日 of the decrees.
TEST(TrueCalendar, DaysOfTheAlmanac) {
  struct Case {
    int year, month, day;
    std::optional<int> term;
    std::optional<Zassetsu> mark;
    bool marked;  // whether the day carries the mark
    const char* holiday;
  };
  for (const Case c : {Case{2021, 2, 2, std::nullopt, Zassetsu::Setsubun, true, nullptr},
                       {2021, 2, 3, 21, std::nullopt, false, nullptr},
                       {2012, 9, 22, 12, Zassetsu::HiganWeek, true, "秋分の日"},
                       {2024, 8, 22, 10, std::nullopt, false, nullptr},
                       {2024, 7, 24, std::nullopt, Zassetsu::DoyoUshi, true, nullptr},
                       {1952, 7, 18, std::nullopt, Zassetsu::DoyoUshi, false, nullptr},
                       {1955, 8, 8, 9, Zassetsu::DoyoUshi, false, nullptr},
                       {2024, 6, 10, std::nullopt, Zassetsu::Nyubai, true, nullptr},
                       {2024, 7, 1, std::nullopt, Zassetsu::Hangesho, true, nullptr},
                       {2024, 1, 18, std::nullopt, Zassetsu::DoyoStart, true, nullptr},
                       {2024, 4, 16, std::nullopt, Zassetsu::DoyoStart, true, nullptr},
                       {2024, 7, 19, std::nullopt, Zassetsu::DoyoStart, true, nullptr},
                       {2024, 10, 20, std::nullopt, Zassetsu::DoyoStart, true, nullptr},
                       {2019, 9, 18, std::nullopt, Zassetsu::AutumnShanichi, false, nullptr},
                       {2019, 9, 28, std::nullopt, Zassetsu::AutumnShanichi, true, nullptr},
                       {2017, 9, 18, std::nullopt, Zassetsu::AutumnShanichi, true, nullptr},
                       {2024, 3, 25, std::nullopt, Zassetsu::SpringShanichi, true, nullptr},
                       {1940, 2, 11, std::nullopt, std::nullopt, false, "紀元節"}}) {
    const CalendarYear year = trueYear(c.year);
    const CalendarDay& day = dayOf(year, c.month, c.day);
    const std::string what = std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
    if (c.term) {
      EXPECT_EQ(day.term, c.term) << what;
    }
    if (c.mark) {
      EXPECT_EQ(std::find(day.zassetsu.begin(), day.zassetsu.end(), *c.mark) != day.zassetsu.end(), c.marked) << what;
    }
    if (c.holiday) {
      ASSERT_TRUE(day.holiday) << what;
      EXPECT_EQ(day.holiday->name, c.holiday) << what;
      EXPECT_EQ(day.holiday->prewar, c.year < 1948) << what;
    }
  }
}

// The 一粒万倍日 of the almanacs' table (子 and 未 in the 申 month), where the
// classic table has 子 only, and the moon's age at noon.
TEST(TrueCalendar, SelectedDaysAndTheMoonAtNoon) {
  const CalendarYear year = trueYear(2024);
  const CalendarYear classic = computeCalendar(2024, CalendarBasis::Classic, shippedData()).year;
  for (const auto& [month, day] : {std::pair{8, 11}, {8, 23}}) {
    EXPECT_TRUE(dayOf(year, month, day).senjitsu.ichiryuManbai) << month << "-" << day;
    EXPECT_FALSE(dayOf(classic, month, day).senjitsu.ichiryuManbai) << month << "-" << day;
  }
  EXPECT_TRUE(dayOf(year, 8, 16).senjitsu.ichiryuManbai);  // 壬子
  // New moon 2023-12-13 08:32: 19.14 days before noon of 1 January; 2024-01-11
  // 20:57 is after its noon, so that day is still 29.1 days from the last.
  struct Case { int month, day; double age; };
  for (const Case c : {Case{1, 1, 19.1}, {1, 11, 29.1}, {1, 12, 0.6}, {9, 3, 0.0}})
    EXPECT_EQ(dayOf(year, c.month, c.day).noonMoonAge, c.age) << c.month << "-" << c.day;
  EXPECT_FALSE(dayOf(classic, 1, 1).noonMoonAge);
}

// The published instants of 2024 and 2025 (times cut to the minute) reach the
// calendar's days with their minute, give or take the one the cut may differ by.
TEST(TrueCalendar, TermAndNewMoonInstantsOf2024And2025) {
  const BuiltinTables tables;
  int checked = 0;
  for (const std::string& line : testing::dataLines("tests/golden/sky_2024_2026.csv")) {
    if (line.rfind("kind,", 0) == 0) continue;
    const std::vector<std::string> f = testing::splitFields(line, ',');
    const std::string &kind = f.at(0), &name = f.at(1), &date = f.at(2), &time = f.at(3);
    const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(5, 2)), d = std::stoi(date.substr(8, 2));
    if (y > 2025) continue;
    const CalendarYear year = trueYear(y);
    const CalendarDay& day = dayOf(year, m, d);
    const std::optional<JstMinute> instant = kind == "term" ? day.termInstant : day.newMoonInstant;
    ASSERT_TRUE(instant) << line;
    if (kind == "term") {
      EXPECT_EQ(tables.solarTermName[*day.term].rfind(name, 0), 0u) << line;
    }
    EXPECT_EQ(std::make_tuple(instant->year, instant->month, instant->day), std::make_tuple(double(y), m, d)) << line;
    const int published = std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3, 2));
    EXPECT_LE(std::abs(instant->hour * 60 + instant->minute - published), 1) << line;
    ++checked;
  }
  EXPECT_EQ(checked, 48 + 25);
}

// Within 1001 BC (entered -1001, astronomical -1000) .. 3000 the true sky; beyond,
// the classic model, said in the header line of both files. The classic basis
// never says so. A year with a fraction is the model's too: the precise sky knows
// whole years only.
TEST(TrueCalendar, TheClassicModelStandsInBeyondThePreciseRange) {
  struct Case { double year; CalendarBasis basis; bool fallback; };
  for (const Case c : {Case{-1002, CalendarBasis::True, true}, {-1001, CalendarBasis::True, false},
                       {3000, CalendarBasis::True, false}, {3001, CalendarBasis::True, true},
                       {3001, CalendarBasis::Classic, false}, {2024.5, CalendarBasis::True, true}}) {
    const CalendarYear year = computeCalendar(c.year, c.basis, shippedData()).year;
    EXPECT_EQ(year.skyFallback, c.fallback) << c.year;
    const std::string csv = csvCalendar(year, shippedData().names);
    const std::string html = htmlCalendar(year, shippedData().names);
    EXPECT_EQ(csv.substr(0, csv.find('\n')).find("範囲外") != std::string::npos, c.fallback) << c.year;
    EXPECT_EQ(html.substr(0, html.find("<br>")).find("範囲外") != std::string::npos, c.fallback) << c.year;
    // Only the precise sky knows the instants.
    EXPECT_EQ(std::any_of(year.days.begin(), year.days.end(), [](const CalendarDay& d) { return d.termInstant; }),
              c.basis == CalendarBasis::True && !c.fallback)
        << c.year;
  }
}

}  // namespace
}  // namespace ventorel
