#include "classic/lunation_rule.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/sky_fixture.h"

namespace ventorel {
namespace {

using testing::Date;
using testing::dayIndex;
using testing::KnownSky;
using testing::skiesOf;
using testing::skyOf;

using testing::monthsOf;

LunarDays numbered(const KnownSky& before, const KnownSky& chosen, const KnownSky& after) {
  return oldCalendar(skiesOf(before, chosen, after), chosen.year);
}

KnownSky withTerm(int year, int k, Date date) {
  KnownSky sky = skyOf(year);
  sky.terms[k] = date;
  return sky;
}

struct FaultCase {
  const char* name;
  KnownSky chosen;
  std::vector<std::string> months;  // the rule's months of the chosen year
};

// Skies in which a second month without a 中気 lies two months after the leap
// month, in spring or summer. The literal steps read the two marks as a winter
// with two such months and renumber from there (2023 would become 2月, 3月,
// 閏3月, 12月, 1月, 5月, ...); the rule keeps the first as the leap month and the
// second as an ordinary month.
class SecondMonthWithoutMidTerm : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SecondMonthWithoutMidTerm, FollowsTheRule) {
  const FaultCase& c = GetParam();
  EXPECT_EQ(monthsOf(numbered(skyOf(c.chosen.year - 1), c.chosen, skyOf(c.chosen.year + 1)), 1, c.chosen), c.months);
}

INSTANTIATE_TEST_SUITE_P(
    LunationRule, SecondMonthWithoutMidTerm,
    ::testing::Values(
        // 小満 moved from 21 to 19 May: the month from 20 May lacks a 中気.
        FaultCase{"After2023Leap", withTerm(2023, 4, {5, 19}),
                  {"1月", "2月", "閏2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月"}},
        // 大暑 moved from 22 to 20 July: the month from 21 July lacks a 中気.
        FaultCase{"After2020Leap", withTerm(2020, 8, {7, 20}),
                  {"1月", "2月", "3月", "4月", "閏4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月"}}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(LunationRule, RenamesTheWholeSpanIntoTheNextYear) {
  // The faulty span of 2023 also holds the month from 23 December 2022, so a run
  // for 2022 renames it, the following year's months included.
  const auto state = numbered(skyOf(2021), skyOf(2022), withTerm(2023, 4, {5, 19}));
  EXPECT_EQ(monthsOf(state, 1, skyOf(2022)).back(), "12月");
  EXPECT_EQ(monthsOf(state, 2, skyOf(2023)),
            (std::vector<std::string>{"1月", "2月", "閏2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月",
                                      "11月"}));
}

TEST(LunationRule, SpanWithoutItsClosingAnchorStaysLiteral) {
  // Without 2023's 冬至 the span from 2022's 冬至 month has no end in the three
  // years: its months keep the literal numbering.
  KnownSky after = withTerm(2023, 4, {5, 19});
  after.terms[18] = {0, 0};
  const auto state = numbered(skyOf(2021), skyOf(2022), after);
  EXPECT_EQ(monthsOf(state, 2, after)[3], "12月");  // 20 April, as the two-leap-marks renumbering leaves it
}

TEST(LunationRule, LiteralFaultIsOneSpan) {
  const SkyTrio skies = skiesOf(skyOf(2022), withTerm(2023, 4, {5, 19}), skyOf(2024));
  std::vector<LunarMonth> months = monthsFromMarks(skies);
  EXPECT_EQ(monthName(months[16]), "12月");  // 20 April 2023 as the literal steps leave it
  EXPECT_EQ(mendMonthsAgainstRule(skies, months), 1);
  EXPECT_EQ(monthName(months[16]), "3月");
  // The anchors and the span after the chosen year's 冬至 month keep their names.
  EXPECT_EQ(monthName(months[11]), "11月");
  EXPECT_EQ(monthName(months[24]), "11月");
  EXPECT_EQ(monthName(months[25]), "12月");
}

}  // namespace
}  // namespace ventorel
