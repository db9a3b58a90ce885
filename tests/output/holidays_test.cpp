#include "output/holidays.h"

#include <gtest/gtest.h>

#include "output/calendar_days.h"
#include "output_fixture.h"
#include "platform/recording.h"

namespace ventorel {
namespace {

using testing::assignYear;
using testing::dayIndex;
using testing::fillChosenYear;
using testing::fillHolidayRows;

// Both holiday stages over a year, as the annotation walk and a writer run them.
struct HolidayYear {
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  explicit HolidayYear(double year, int autumnEquinoxDay = 23, bool html = false) {
    fillHolidayRows(*state);
    fillChosenYear(*state, year, autumnEquinoxDay);
    assignYear(*state);
    for (int d = 1; d <= 365 + state->leapDay; ++d) {
      const MonthDay md = monthDayOf(d, state->monthStart);
      finishHolidays(*state, d, epochDays(state->year, md.month, md.day, state->monthStart), html);
    }
  }
  const std::string& on(int m, int d) const { return state->dayHoliday[dayIndex(*state, m, d)]; }
};

TEST(Holidays, FinishedHolidaysOfKnownYears) {
  struct Case { double year; int autumnEquinox; int m; int d; const char* expected; };
  const Case cases[] = {
      {2024, 22, 1, 1, "元日"},
      {2024, 22, 1, 8, "成人の日"},           // second Monday
      {2024, 22, 1, 15, ""},                  // third Monday
      {2024, 22, 3, 20, "春分の日"},
      {2024, 22, 9, 16, "敬老の日"},
      {2024, 22, 9, 22, "秋分の日"},
      {2024, 22, 9, 23, "振替休日"},           // 秋分の日 on a Sunday
      {2024, 22, 8, 12, "振替休日"},           // 山の日 on a Sunday
      {2009, 23, 9, 21, "敬老の日"},
      {2009, 23, 9, 22, "国民の休日"},         // between 敬老の日 and 秋分の日
      {2015, 23, 9, 22, "国民の休日"},
      {2008, 23, 5, 6, "振替休日"},            // みどりの日 on a Sunday
      {2009, 23, 5, 6, "振替休日"},            // 憲法記念日 on a Sunday: past 4 and 5 May
      {2012, 22, 1, 2, "振替休日"},
      {2023, 23, 1, 2, "振替休日"},
      {2017, 23, 1, 2, "振替休日"},
      {2023, 23, 1, 9, "成人の日"},
      {2005, 23, 1, 1, ""},                    // nothing before 2006
      {2005, 23, 3, 20, ""},
      {2006, 23, 1, 1, "元日"},
  };
  for (const Case& c : cases) {
    const HolidayYear year(c.year, c.autumnEquinox);
    EXPECT_EQ(year.on(c.m, c.d), c.expected) << c.year << "-" << c.m << "-" << c.d;
  }
}

TEST(Holidays, NoYearBefore2006HasAnyHoliday) {
  for (const double y : {2005.0, 1990.0, 1582.0, -660.0}) {
    const HolidayYear year(y);
    for (int d = 0; d <= 368; ++d) EXPECT_EQ(year.state->dayHoliday[d], "") << y << " day " << d;
  }
}

TEST(Holidays, ANationalHolidayOnASundayGivesNoSubstitute) {
  // 2019-09-22 is a Sunday; with holidays on either side it becomes 国民の休日,
  // which moves nothing to the Monday after it.
  HolidayYear year(2019, 23);
  EXPECT_EQ(year.on(9, 16), "敬老の日");
  EXPECT_EQ(year.on(9, 22), "");
  RunState& state = *year.state;
  const int sunday = dayIndex(state, 9, 22);
  for (int d = sunday - 1; d <= sunday + 3; ++d) state.dayHoliday[d].clear();
  state.dayHoliday[sunday - 1] = "敬老の日";
  state.dayHoliday[sunday + 1] = "秋分の日";
  finishHolidays(state, sunday - 1, epochDays(2019, 9, 21, state.monthStart), false);
  finishHolidays(state, sunday, epochDays(2019, 9, 22, state.monthStart), false);
  EXPECT_EQ(state.dayHoliday[sunday], "国民の休日");
  EXPECT_EQ(state.dayHoliday[sunday + 2], "");
}

TEST(Holidays, TheEmperorsBirthdayOnASundayMovesToTheTwentyFourth) {
  HolidayYear year(2012);
  RunState& state = *year.state;
  state.holidayDate(1, 3) = Value(12.0);
  state.holidayDate(2, 3) = Value(23.0);
  fillChosenYear(state, 2012);
  assignYear(state);
  const int d = dayIndex(state, 12, 23);
  for (int k = d - 1; k <= d + 1; ++k) finishHolidays(state, k, epochDays(2012, 12, k - d + 23, state.monthStart), false);
  EXPECT_EQ(state.dayHoliday[d], "天皇誕生日");
  EXPECT_EQ(state.dayHoliday[d + 1], "振替休日");
}

TEST(Holidays, EmptyRowsNeverMatchEvenOnDayZero) {
  RunState state;
  fillChosenYear(state, 2024);
  state.termDay(1, 0) = 80;
  state.termDay(1, 12) = 266;
  assignYear(state);
  for (int d = 0; d <= 366; ++d) {
    if (d == 80 || d == 266) continue;
    EXPECT_EQ(state.dayHoliday[d], "") << d;
  }
}

TEST(Holidays, ThePageLinksKnownNamesAndEscapesOthers) {
  struct Case { const char* name; std::string expected; };
  const std::string base = std::string("<a href=") + ArticleBaseUrl;
  const Case cases[] = {
      {"元日", base + "%E5%85%83%E6%97%A5>元日</A>"},
      {"国民の休日", base + "%E5%9B%BD%E6%B0%91%E3%81%AE%E4%BC%91%E6%97%A5>国民の休日</A>"},
      {"振替休日", base + "%E6%8C%AF%E6%9B%BF%E4%BC%91%E6%97%A5>振替休日</A>"},
      {"山の日", base + "%E5%B1%B1%E3%81%AE%E6%97%A5>山の日</A>"},
      {"スポーツの日", base + "%E3%82%B9%E3%83%9D%E3%83%BC%E3%83%84%E3%81%AE%E6%97%A5>スポーツの日</A>"},
      {"即位の日", "即位の日"},
      {"<b>\"A&B\"</b>", "&lt;b&gt;&quot;A&amp;B&quot;&lt;/b&gt;"},
  };
  for (const Case& c : cases) EXPECT_EQ(holidayHtml(c.name), c.expected) << c.name;
}

TEST(Holidays, TheHtmlFormReplacesOnlyTheFinishedDay) {
  const HolidayYear plain(2008, 23, false);
  const HolidayYear html(2008, 23, true);
  EXPECT_EQ(plain.on(5, 6), "振替休日");
  EXPECT_EQ(html.on(5, 6), holidayHtml("振替休日"));
  EXPECT_EQ(html.on(5, 4), holidayHtml("みどりの日"));
  EXPECT_EQ(html.on(5, 7), "");
}

TEST(Holidays, AnEarlierLongerYearLeavesNoHolidayPastTheLastDay) {
  // A holiday left in slot 366 by a leap year must not make 31 December of a
  // common year an in-between holiday.
  RunState state;
  fillHolidayRows(state);
  fillChosenYear(state, 2025);
  assignYear(state);
  state.dayHoliday[364] = "大晦日前";
  state.dayHoliday[366] = "前の年の大晦日";
  RecordingMessageBox messages;
  prepareOutputYear(state);
  forEachCalendarDay(state, messages, false, [](const CalendarDay&) {});
  EXPECT_EQ(state.dayHoliday[365], "");
  EXPECT_EQ(state.dayHoliday[366], "");
}

}  // namespace
}  // namespace ventorel
