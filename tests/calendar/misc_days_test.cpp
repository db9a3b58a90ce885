#include "calendar/misc_days.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calendar/lunar_months.h"
#include "calendar/screen_summary.h"
#include "calendar/sky_fixture.h"
#include "platform/recording.h"

namespace ventorel {
namespace {

using testing::dayIndex;
using testing::laySky;

const std::string Base = ArticleBaseUrl;

// A run state for 2024 as the walk finds it: terms, new moons, months and days.
std::unique_ptr<RunState> year2024(double format) {
  auto state = std::make_unique<RunState>();
  laySky(*state, 2024);
  numberLunarMonths(*state);
  RecordingSurface surface;
  RecordingMessageBox messages;
  printSummary(*state, surface, messages);
  state->outputFormat = Value(format);
  state->nyubaiDay = dayIndex(2024, {6, 10});
  state->hangeshoDay = dayIndex(2024, {7, 1});
  state->yearOffset = 0;
  state->year = state->baseYear;
  state->computeYearArithmetic();
  return state;
}

// Only the chosen equinoxes, 立春 and 立秋 of 2024 (1 January 2024 is a 甲子 day,
// so day d has stem (d - 1) mod 10 + 1 and branch (d - 1) mod 12 + 1).
std::unique_ptr<RunState> bareYear(int springEquinox, int autumnStart = 220) {
  auto state = std::make_unique<RunState>();
  state->baseYear = state->year = 2024;
  state->termDay(1, 0) = springEquinox;
  state->termDay(1, 12) = 266;
  state->termDay(1, 21) = 35;
  state->termDay(1, 9) = autumnStart;
  state->nyubaiDay = 162;
  state->hangeshoDay = 183;
  state->outputFormat = Value(1.0);
  state->computeYearArithmetic();
  return state;
}

void annotate(RunState& state) {
  RecordingMessageBox messages;
  annotateChosenYear(state, messages);
  EXPECT_TRUE(messages.texts.empty());
}

// The marks of 2024 in both forms, by date (the term names come before them).
struct Expected {
  testing::Date date;
  std::string plain;
  std::string html;
};

const std::vector<Expected>& marks2024() {
  static const std::vector<Expected> marks = {
      {{2, 3}, "(節分)", "(<a href=" + Base + "%E7%AF%80%E5%88%86>節分</A>)"},
      // 春分 on 20 March is a 癸 day: 社日 five days before it, on 15 March.
      {{3, 15}, "(社日（春社）)", "(<a href=" + Base + "%E7%A4%BE%E6%97%A5>社日</a>（春社）)"},
      {{3, 17}, "(彼岸の入り)", "(<a href=" + Base + "%E5%BD%BC%E5%B2%B8>彼岸</a>の入り)"},
      {{3, 18}, "(彼岸会)", "(彼岸会)"},
      {{3, 19}, "(彼岸会)", "(彼岸会)"},
      {{3, 20}, "(彼岸会)", "(彼岸会)"},
      {{3, 21}, "(彼岸会)", "(彼岸会)"},
      {{3, 22}, "(彼岸会)", "(彼岸会)"},
      {{3, 23}, "(彼岸明け)", "(彼岸明け)"},
      {{5, 1}, "(八十八夜)", "(<a href=" + Base + "%E5%85%AB%E5%8D%81%E5%85%AB%E5%A4%9C>八十八夜</A>)"},
      {{6, 10}, "（入梅）", "（<a href=" + Base + "%E5%85%A5%E6%A2%85>入梅</A>）"},
      {{7, 1}, "（半夏生）", "（<a href=" + Base + "%E5%8D%8A%E5%A4%8F%E7%94%9F>半夏生</A>）"},
      // The 丑 days from 17 July (春分 + 118.7 days) to 立秋 on 7 August.
      {{7, 24}, "(土用丑（うし）)",
       "(<a href=" + Base + "%E5%9C%9F%E7%94%A8%E3%81%AE%E4%B8%91%E3%81%AE%E6%97%A5>土用丑</A>(うし))"},
      {{8, 5}, "(土用丑（うし）)",
       "(<a href=" + Base + "%E5%9C%9F%E7%94%A8%E3%81%AE%E4%B8%91%E3%81%AE%E6%97%A5>土用丑</A>(うし))"},
      {{8, 31}, "(二百十日)", "(<a href=" + Base + "%E4%BA%8C%E7%99%BE%E5%8D%81%E6%97%A5>二百十日</A>)"},
      // The new moon of 3 September opens 8月.
      {{9, 3}, "(八朔（旧暦）)", "(<a href=" + Base + "%E5%85%AB%E6%9C%94>八朔</a>（旧暦）)"},
      {{9, 10}, "(二百二十日)", "(<a href=" + Base + "%E4%BA%8C%E7%99%BE%E4%BA%8C%E5%8D%81%E6%97%A5>二百二十日</A>)"},
      {{9, 19}, "(彼岸の入り)", "(<a href=" + Base + "%E5%BD%BC%E5%B2%B8>彼岸</a>の入り)"},
      {{9, 20}, "(彼岸会)", "(彼岸会)"},
      // 秋分 on 22 September is a 己 day: the 戊 day before it, after its own mark.
      {{9, 21}, "(彼岸会)(社日（秋社）)", "(彼岸会)(<a href=" + Base + "%E7%A4%BE%E6%97%A5>社日</a>（秋社）)"},
      {{9, 22}, "(彼岸会)", "(彼岸会)"},
      {{9, 23}, "(彼岸会)", "(彼岸会)"},
      {{9, 24}, "(彼岸会)", "(彼岸会)"},
      {{9, 25}, "(彼岸明け)", "(彼岸明け)"},
  };
  return marks;
}

class Marks2024 : public ::testing::TestWithParam<bool> {};

TEST_P(Marks2024, EveryDayCarriesItsTermAndItsMarksInTheFormatOfTheRun) {
  const bool html = GetParam();
  auto state = year2024(html ? 0 : 1);
  // The notes as the sky left them: the term names only.
  std::vector<std::string> termsPlain, termsHtml;
  for (int d = 0; d <= 366; ++d) {
    termsPlain.push_back(state->dayNotePlain(1, d));
    termsHtml.push_back(state->dayNoteHtml(1, d));
  }
  annotate(*state);

  std::map<int, const Expected*> byDay;
  for (const Expected& e : marks2024()) byDay[dayIndex(2024, e.date)] = &e;
  for (int d = 1; d <= 366; ++d) {
    const auto found = byDay.find(d);
    const std::string plainMarks = found == byDay.end() ? "" : found->second->plain;
    const std::string htmlMarks = found == byDay.end() ? "" : found->second->html;
    if (html) {
      EXPECT_EQ(state->dayNoteHtml(1, d), termsHtml[d] + htmlMarks) << "day " << d;
      EXPECT_EQ(state->dayNotePlain(1, d), termsPlain[d]) << "day " << d;
    } else {
      EXPECT_EQ(state->dayNotePlain(1, d), termsPlain[d] + plainMarks) << "day " << d;
      EXPECT_EQ(state->dayNoteHtml(1, d), termsHtml[d]) << "day " << d;
    }
  }
  // 入梅 and 半夏生 are each marked once, then forgotten.
  EXPECT_EQ(state->nyubaiDay, 0);
  EXPECT_EQ(state->hangeshoDay, 0);
  // The same walk places the holidays: the equinox days.
  EXPECT_EQ(state->dayHoliday[dayIndex(2024, {3, 20})], "春分の日");
  EXPECT_EQ(state->dayHoliday[dayIndex(2024, {9, 22})], "秋分の日");
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
  auto state = bareYear(c.equinox);
  annotate(*state);
  for (const auto& [day, note] : c.notes) EXPECT_EQ(state->dayNotePlain(1, day), note) << "day " << day;
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

std::vector<int> daysMarked(const RunState& state, const std::string& text) {
  std::vector<int> days;
  for (int d = 0; d <= 366; ++d)
    if (state.dayNotePlain(1, d).find(text) != std::string::npos) days.push_back(d);
  return days;
}

TEST(MiscDays, DoyoUshiFromE118Point7ToRisshuInclusive) {
  // 丑 days of 2024 fall on 194, 206, 218, 230. {春分, 立秋} -> marked days.
  const std::vector<std::pair<std::pair<int, int>, std::vector<int>>> cases = {
      {{80, 220}, {206, 218}}, {{80, 218}, {206, 218}}, {{88, 220}, {218}}, {{87, 220}, {206, 218}}};
  for (const auto& [terms, days] : cases) {
    auto state = bareYear(terms.first, terms.second);
    annotate(*state);
    EXPECT_EQ(daysMarked(*state, "土用丑"), days) << terms.first << " " << terms.second;
  }
}

TEST(MiscDays, UnfoundNyubaiAndLeapEighthMonthAndShanichiOutsideTheYear) {
  auto state = bareYear(0);  // 春分 never placed: its 戊 day would lie before the year
  state->nyubaiDay = 0;
  state->hangeshoDay = 0;
  state->dayLunarMonth(1, 200) = "閏8月";
  state->dayMoonAge(1, 200) = 1;
  state->dayLunarMonth(1, 230) = "8月";
  state->dayMoonAge(1, 230) = 1;
  annotate(*state);
  // Only day 0, which no writer shows, receives the two marks.
  EXPECT_EQ(daysMarked(*state, "入梅"), std::vector<int>{0});
  EXPECT_EQ(daysMarked(*state, "半夏生"), std::vector<int>{0});
  EXPECT_EQ(daysMarked(*state, "八朔"), std::vector<int>{230});
  EXPECT_TRUE(daysMarked(*state, "社日（春社）").empty());
}

}  // namespace
}  // namespace ventorel
