#include "app/year_range.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/progress.h"

namespace ventorel {
namespace {

std::string yearsOf(const YearSpan& span) {
  std::string out;
  for (std::uint64_t i = 0; i < span.size(); ++i) out += (i ? " " : "") + span[i];
  return out;
}

TEST(YearRange, ArgumentsAndTheirYears) {
  struct Case { const char* argument; const char* years; bool skipsZero; };
  for (const Case c : {Case{"2024", "2024", false}, {"abc", "abc", false}, {"0", "0", false},
                       {"2020..2023", "2020 2021 2022 2023", false}, {"2024..2024", "2024", false},
                       {"-2..2", "-2 -1 1 2", true}, {"-5..-3", "-5 -4 -3", false}, {"0..1", "1", true},
                       {"0..0", "", true}, {"-1..0", "-1", true}, {"２０２０．．２０２１", "2020 2021", false},
                       {" 1990 .. 1991 ", "1990 1991", false}}) {
    std::string error;
    const std::optional<YearSpan> span = parseYearArgument(c.argument, error);
    ASSERT_TRUE(span.has_value()) << c.argument << ": " << error;
    EXPECT_EQ(yearsOf(*span), c.years) << c.argument;
    EXPECT_EQ(span->skipsYearZero(), c.skipsZero) << c.argument;
  }
  std::string error;
  EXPECT_EQ(parseYearArgument("-1000000000000..1000000000000", error)->size(), 2000000000000u);
  EXPECT_FALSE(parseYearArgument("2000000000000..2000000000001", error).has_value());
}

TEST(YearRange, MalformedRangesAreRefused) {
  for (const char* argument : {"..", "1990..", "..2030", "1990..2030.5", "1990...2030", "2030..1990", "a..b",
                               "1..2..3", "1e3..2e3", "1..99999999999999999", "2000000000000..9007199254740992",
                               "-1000000000001..1"}) {
    std::string error;
    EXPECT_FALSE(parseYearArgument(argument, error).has_value()) << argument;
    EXPECT_NE(error.find(argument), std::string::npos) << error;
  }
}

// The progress line waits a second, then shows years done of the total and the
// rate, rewritten in place at most ten times a second; finish() ends the line.
TEST(Progress, QuietAtFirstThenCountsAndRate) {
  struct Case { bool enabled; std::vector<double> doneAt; const char* output; };
  for (const Case& c : {Case{true, {0.5, 0.9}, ""},
                        Case{true, {0.5, 1.5, 1.55, 2.0}, "\r2/4 年、1.3 年/秒\x1b[K\r4/4 年、2.0 年/秒\x1b[K"
                                                          "\r4/4 年、2.0 年/秒\x1b[K\n"},
                        Case{false, {0.5, 1.5, 3.0}, ""}}) {
    double now = 0;
    std::ostringstream out;
    Progress progress(c.doneAt.size(), out, c.enabled, [&now] { return now; });
    for (const double t : c.doneAt) {
      now = t;
      progress.yearDone();
    }
    progress.finish();
    EXPECT_EQ(out.str(), c.output);
  }
}

}  // namespace
}  // namespace ventorel
