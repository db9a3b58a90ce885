#include "calendar/selected_days.h"

#include <gtest/gtest.h>

#include <map>

#include "output/article_link.h"
#include "output/day_texts.h"
#include "output/output_fixture.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

const std::string A = std::string("<a href=") + ArticleBaseUrl;
const std::string Tensha = A + "%E5%A4%A9%E8%B5%A6%E6%97%A5>天赦日</A>　";
const std::string Ichiryu = A + "%E4%B8%80%E7%B2%92%E4%B8%87%E5%80%8D%E6%97%A5>一粒万倍日</A>　";
const std::string Fujoju = A + "%E4%B8%8D%E6%88%90%E5%B0%B1%E6%97%A5>不成就日</A>　";
const std::string Sanrinbo = A + "%E4%B8%89%E9%9A%A3%E4%BA%A1>さんりんぽう</A>";

TEST(SelectedDays, MonthNamesCarryTheLeapMarkBeforeTheNumber) {
  struct Case { LunarMonth month; const char* name; };
  for (const Case& c : {Case{{11, false}, "11月"}, {{4, true}, "閏4月"}, {{12, true}, "閏12月"}, {{}, ""}})
    EXPECT_EQ(monthName(c.month), c.name) << c.name;
}

// The selected-day texts of the fixture's 2024 from 1 January, keyed by day.
std::vector<std::string> walk2024(bool html, const testing::FixtureYear& year = *testing::chosenYear(2024)) {
  std::vector<std::string> texts(1);
  for (const CalendarDay& day : year.calendar().days) texts.push_back(senjitsuText(day.senjitsu, html));
  return texts;
}

TEST(SelectedDays, TheFirstOfJanuary2024IsTenshaAndIchiryuManbai) {
  EXPECT_EQ(walk2024(true)[1], Tensha + Ichiryu);
  EXPECT_EQ(walk2024(false)[1], "天赦日　一粒万倍日　");
}

TEST(SelectedDays, TextsOfAWalkThroughTheSolarMonths) {
  const std::vector<std::string> texts = walk2024(true);
  const std::map<std::string, std::string> html = {
      {"天赦日", Tensha}, {"一粒万倍日", Ichiryu}, {"不成就日", Fujoju}, {"さんりんぽう", Sanrinbo}, {"-", ""}};
  const std::vector<std::string> rows = testing::dataLines("tests/calendar/selected_days_2024.tsv");
  ASSERT_EQ(rows.size(), 16u);
  for (const std::string& row : rows) {
    const std::vector<std::string> f = testing::splitFields(row, '\t');
    std::string expected;
    for (const std::string& item : testing::splitFields(f.at(1), ' ')) expected += html.at(item);
    const int m = std::stoi(f[0]), d = std::stoi(f[0].substr(f[0].find('/') + 1));
    EXPECT_EQ(texts[static_cast<std::size_t>(testing::dayIndex(2024, m, d))], expected) << row;
  }
}

TEST(SelectedDays, ItemsStandInTheirFixedOrder) {
  auto year = testing::chosenYear(2024);
  year->lunar.years[1].days[1].day = 21;  // old 11/21: also 不成就日
  EXPECT_EQ(walk2024(true, *year)[1], Tensha + Ichiryu + Fujoju);
  EXPECT_EQ(walk2024(false, *year)[1], "天赦日　一粒万倍日　不成就日　");
}

TEST(SelectedDays, TheSolarMonthBeforeTheFirstTermOfTheYear) {
  struct Case { int firstTerm; int expectedMonth; };
  const Case cases[] = {
      {19, 11},  // 小寒, a sectional term: the month before it
      {20, 12},  // 大寒, a mid-month term: its own month
      {21, 0},   // 立春: month 0, looked for again the next day
      {-1, 0},   // no term within 20 days
  };
  const BuiltinTables names;
  for (const Case& c : cases) {
    EarlyTerms early;
    for (int& t : early) t = -1;
    early[6] = c.firstTerm;
    SolarMonth solarMonth;
    const Sexagenary kinoeNe{1, 1};
    const Senjitsu first = senjitsuOf(names, solarMonth, early, -1, kinoeNe, 11, 21);
    EXPECT_EQ(solarMonth.value, c.expectedMonth) << c.firstTerm;
    // Without a solar month only 不成就日 can be found.
    if (c.expectedMonth == 0) {
      EXPECT_EQ(senjitsuText(first, false), "不成就日　");
    }
  }
}

TEST(SelectedDays, FestivalNotesGoAfterTheDaysNotes) {
  struct Case { int m; int d; std::string html; std::string plain; };
  const Case cases[] = {
      {1, 7, "(" + A + "%E4%BA%BA%E6%97%A5>七草</a>)", "(七草)"},
      {3, 3, "(" + A + "%E4%B8%8A%E5%B7%B3>桃の節句</a>)", "(桃の節句)"},
      {5, 5, "(" + A + "%E7%AB%AF%E5%8D%88>端午</a>の節句)", "(端午の節句)"},
      {7, 7, "(" + A + "%E4%B8%83%E5%A4%95>七夕</a>)", "(七夕)"},
      {7, 15, "(" + A + "%E3%81%8A%E7%9B%86>お盆</a>)", "(お盆)"},
      {8, 15, "(月遅れの" + A + "%E3%81%8A%E7%9B%86>盆</a>)", "(月遅れの盆)"},
      {8, 7, "(月遅れの" + A + "%E4%B8%83%E5%A4%95>七夕</a>)", "(月遅れの七夕)"},
      {9, 9, "(" + A + "%E9%87%8D%E9%99%BD>菊の節句</a>)", "(菊の節句)"},
      {1, 8, "", ""},
      {12, 25, "", ""},
  };
  const BuiltinTables names;
  for (const Case& c : cases) {
    CalendarDay day;
    day.term = 19;
    day.festival = festivalOn(c.m, c.d);
    EXPECT_EQ(dayNote(names, day, true), A + "%E5%B0%8F%E5%AF%92>小寒</A>(12月節気)" + c.html) << c.m << "/" << c.d;
    EXPECT_EQ(dayNote(names, day, false), "小寒(12月節気)" + c.plain) << c.m << "/" << c.d;
  }
}

}  // namespace
}  // namespace ventorel
