#include "output/page_calendar.h"

#include <gtest/gtest.h>

namespace ventorel {
namespace {

TEST(PageCalendar, NeighbourPagesSkipTheYearZero) {
  struct Case { double year; int step; const char* href; };
  const Case cases[] = {
      {2024, -1, "2023%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
      {2024, 1, "2025%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
      {1, -1, "-1%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
      {-1, 1, "1%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
      {-660, -1, "-661%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
      {-0.5, 1, "0.5%E5%B9%B4%E3%82%AB%E3%83%AC%E3%83%B3%E3%83%80%E3%83%BC.htm"},
  };
  for (const Case& c : cases) EXPECT_EQ(neighbourPageHref(c.year, c.step), c.href) << c.year << " " << c.step;
}

// One day with a term, a new moon and a holiday whose name carries markup.
CalendarYear oneDayYear() {
  CalendarYear year;
  year.enteredYear = year.year = 2024;
  year.basis = CalendarBasis::True;
  year.eras.push_back({Court::Main, "令和<b>", 6, "令和", "今上"});
  CalendarDay day;
  day.dayOfYear = 35;
  day.month = 2;
  day.day = 4;
  day.weekday = 0;
  day.gregorian = true;
  day.term = 21;  // 立春
  day.termInstant = JstMinute{2024, 2, 4, 17, 27};
  day.zassetsu = {Zassetsu::Setsubun};
  day.holiday = DayHoliday{"祝\"日<script>"};
  day.newMoon = true;
  day.newMoonInstant = JstMinute{2024, 2, 4, 6, 5};
  day.lunarMonth.number = 1;
  day.lunarDay = 1;
  day.sexagenary = {1, 1};
  year.days.push_back(day);
  return year;
}

TEST(PageCalendar, TimesDataTextsAndStructure) {
  const std::string page = pageCalendar(oneDayYear(), BuiltinTables());
  const char* expected[] = {
      "<title>2024年（令和&lt;b&gt;6年）の暦 — Ventorel</title>",
      "立春</a>（1月節気） <time class=\"instant\" datetime=\"2024-02-04T17:27+09:00\">2月4日 17:27</time>（",
      "旧暦1月1日</a> <time class=\"instant\" datetime=\"2024-02-04T06:05+09:00\">朔 2月4日 6:05</time>",
      "<tr class=\"day sun holiday\">",
      "祝&quot;日&lt;script&gt;",
      "<h2>2月</h2>",
  };
  for (const char* text : expected) EXPECT_NE(page.find(text), std::string::npos) << text;
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("href=h"), std::string::npos) << "an unquoted link";
}

}  // namespace
}  // namespace ventorel
