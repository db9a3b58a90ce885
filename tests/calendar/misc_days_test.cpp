#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calendar/annotate.h"
#include "classic/file_holidays.h"
#include "support/sky_fixture.h"
#include "support/test_support.h"
#include "output/article_link.h"
#include "output/day_texts.h"

namespace ventorel {
namespace {

using testing::dayIndex;
using testing::skiesOf;

const std::string Base = ArticleBaseUrl;

// 2024 as the calendar finds it: terms, new moons, months and days, with 入梅 on
// 10 June and 半夏生 on 1 July.
CalendarYear year2024() {
  SkyTrio skies = skiesOf(2024);
  skies[1].nyubaiDay = dayIndex(2024, {6, 10});
  skies[1].hangeshoDay = dayIndex(2024, {7, 1});
  const ReferenceData data;
  return annotate(data, 2024, skies, oldCalendar(skies, 2024), holidaysOf(data.holidays, skies[1]), AnnotationChoices{});
}

// Only the chosen equinoxes, 立春 and 立秋 of 2024 (1 January 2024 is a 甲子 day,
// so day d has stem (d - 1) mod 10 + 1 and branch (d - 1) mod 12 + 1).
YearSky bareYear(int springEquinox, int autumnStart = 220) {
  YearSky sky;
  sky.year = 2024;
  sky.lastDay = 366;
  sky.termDay[0] = springEquinox;
  sky.termDay[12] = 266;
  sky.termDay[21] = 35;
  sky.termDay[9] = autumnStart;
  sky.nyubaiDay = 162;
  sky.hangeshoDay = 183;
  return sky;
}

// The 雑節 of each day in the CSV file's form.
std::vector<std::string> marksOf(const YearSky& sky, const LunarYear& lunar = LunarYear()) {
  std::vector<std::string> notes;
  const BuiltinTables names;
  for (const std::vector<Zassetsu>& marks : zassetsuOf(sky, lunar)) {
    CalendarDay day;
    day.zassetsu = marks;
    notes.push_back(dayNote(names, day, false));
  }
  return notes;
}

// The marks of 2024 in both forms by day index, from zassetsu_2024.tsv.
struct Expected {
  std::string plain;
  std::string html;
};

std::map<int, Expected> marks2024() {
  std::map<int, Expected> marks;
  for (const std::string& line : testing::dataLines("tests/calendar/zassetsu_2024.tsv")) {
    std::vector<std::string> f = testing::splitFields(line, '\t');
    for (std::size_t at; (at = f.at(2).find('@')) != std::string::npos;) f[2].replace(at, 1, "<a href=" + Base);
    marks[dayIndex(2024, {std::stoi(f[0]), std::stoi(f[0].substr(f[0].find('/') + 1))})] = {f[1], f[2]};
  }
  return marks;
}

class Marks2024 : public ::testing::TestWithParam<bool> {};

TEST_P(Marks2024, EveryDayCarriesItsTermAndItsMarksInTheFormatOfTheFile) {
  const bool html = GetParam();
  const CalendarYear year = year2024();
  const BuiltinTables names;
  const std::map<int, Expected> byDay = marks2024();
  ASSERT_EQ(byDay.size(), 24u);
  for (const CalendarDay& day : year.days) {
    const auto found = byDay.find(day.dayOfYear);
    const std::string marks = found == byDay.end() ? "" : html ? found->second.html : found->second.plain;
    CalendarDay termOnly = day;
    termOnly.zassetsu.clear();
    termOnly.festival = Festival::None;
    CalendarDay withoutFestival = day;
    withoutFestival.festival = Festival::None;
    EXPECT_EQ(dayNote(names, withoutFestival, html), dayNote(names, termOnly, html) + marks) << "day " << day.dayOfYear;
  }
  // The equinox days are holidays.
  EXPECT_EQ(year.days[static_cast<std::size_t>(dayIndex(2024, {3, 20}) - 1)].holiday->name, "春分の日");
  EXPECT_EQ(year.days[static_cast<std::size_t>(dayIndex(2024, {9, 22}) - 1)].holiday->name, "秋分の日");
}

INSTANTIATE_TEST_SUITE_P(MiscDays, Marks2024, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Html" : "Csv"; });

struct EquinoxCase {
  const char* stem;
  int equinox;
  std::map<int, std::string> notes;  // day -> its whole note
};

class SpringShanichi : public ::testing::TestWithParam<EquinoxCase> {};

TEST_P(SpringShanichi, GoesToTheNearestTsuchinoeDay) {
  const EquinoxCase& c = GetParam();
  const std::vector<std::string> notes = marksOf(bareYear(c.equinox));
  for (const auto& [day, note] : c.notes) EXPECT_EQ(notes.at(static_cast<std::size_t>(day)), note) << "day " << day;
}

INSTANTIATE_TEST_SUITE_P(
    MiscDays, SpringShanichi,
    ::testing::Values(
        // A 戊 equinox: its own 彼岸会 first, then 社日.
        EquinoxCase{"Tsuchinoe", 75, {{72, "(彼岸の入り)"}, {75, "(彼岸会)(社日（春社）)"}, {78, "(彼岸明け)"}}},
        // A 丙 equinox: 社日 two days later, before that day's own 彼岸会.
        EquinoxCase{"Hinoe", 83, {{83, "(彼岸会)"}, {85, "(社日（春社）)(彼岸会)"}}},
        // A 丁 equinox: the 戊 day just after it.
        EquinoxCase{"Hinoto", 84, {{84, "(彼岸会)"}, {85, "(社日（春社）)(彼岸会)"}}},
        // A 己 equinox: the 戊 day just before it.
        EquinoxCase{"Tsuchinoto", 76, {{75, "(彼岸会)(社日（春社）)"}, {76, "(彼岸会)"}}},
        // A 癸 equinox: both 戊 days are five days off; the earlier one, two days
        // before 彼岸の入り.
        EquinoxCase{"Mizunoto", 80, {{75, "(社日（春社）)"}, {77, "(彼岸の入り)"}, {85, ""}}}),
    [](const ::testing::TestParamInfo<EquinoxCase>& info) { return std::string(info.param.stem); });

std::vector<int> daysMarked(const std::vector<std::string>& notes, const std::string& text) {
  std::vector<int> days;
  for (std::size_t d = 0; d < notes.size(); ++d)
    if (notes[d].find(text) != std::string::npos) days.push_back(static_cast<int>(d));
  return days;
}

TEST(MiscDays, DoyoUshiFromE118Point7ToRisshuInclusive) {
  // 丑 days of 2024 fall on 194, 206, 218, 230. {春分, 立秋} -> marked days.
  const std::vector<std::pair<std::pair<int, int>, std::vector<int>>> cases = {
      {{80, 220}, {206, 218}}, {{80, 218}, {206, 218}}, {{88, 220}, {218}}, {{87, 220}, {206, 218}}};
  for (const auto& [terms, days] : cases) {
    EXPECT_EQ(daysMarked(marksOf(bareYear(terms.first, terms.second)), "土用丑"), days) << terms.first << " " << terms.second;
  }
}

TEST(MiscDays, UnfoundNyubaiAndLeapEighthMonthAndShanichiOutsideTheYear) {
  YearSky sky = bareYear(0);  // 春分 never placed: its 戊 day would lie before the year
  sky.nyubaiDay = 0;
  sky.hangeshoDay = 0;
  LunarYear lunar;
  lunar.days[200] = LunarDay{LunarMonth{8, true}, 1, 1, true};
  lunar.days[230] = LunarDay{LunarMonth{8, false}, 1, 1, true};
  const std::vector<std::string> notes = marksOf(sky, lunar);
  // Only day 0, which no file shows, receives the two marks.
  EXPECT_EQ(daysMarked(notes, "入梅"), std::vector<int>{0});
  EXPECT_EQ(daysMarked(notes, "半夏生"), std::vector<int>{0});
  EXPECT_EQ(daysMarked(notes, "八朔"), std::vector<int>{230});
  EXPECT_TRUE(daysMarked(notes, "社日（春社）").empty());
}

}  // namespace
}  // namespace ventorel
