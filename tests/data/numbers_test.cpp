#include "data/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace ventorel {
namespace {

TEST(NumberRules, IntIsTheFloor) {
  struct Case { double x, expected; };
  for (const Case c : {Case{-0.25, -1}, {0.25, 0}, {-1, -1}, {2.999, 2}, {-2.5, -3}, {1e12 + 0.5, 1e12}})
    EXPECT_EQ(floorInt(c.x), c.expected) << c.x;
}

TEST(NumberRules, RoundingTakesHalvesToTheEvenNeighbour) {
  struct Case { double x; double expected; };
  for (const Case c : {Case{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, -0}, {-1.5, -2}, {-2.5, -2},
                       {2.4999, 2}, {2.5001, 3}, {-2.6, -3}}) {
    EXPECT_EQ(roundHalfEven(c.x), c.expected) << c.x;
    EXPECT_EQ(toIndex(c.x), static_cast<std::int64_t>(c.expected)) << c.x;
  }
}

TEST(NumberRules, IndexConversionOfAbsurdValuesSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(toIndex(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(toIndex(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(toIndex(std::numeric_limits<double>::quiet_NaN()), std::numeric_limits<std::int64_t>::min());
}

TEST(NumberRules, ModRoundsBothOperandsAndKeepsTheDividendsSign) {
  struct Case { double x, n, expected; };
  for (const Case c : {Case{7, 3, 1}, {-7, 3, -1}, {7, -3, 1}, {-7, -3, -1}, {6.5, 4, 2}, {7.5, 4, 0},
                       {-3.5, 10, -4}, {10, 2.5, 0}, {5, 3.5, 1}, {-20, 10, 0}, {6.9999999, 7, 0},
                       {9007199254740992, 10, 2}, {-9007199254740992, 10, -2}, {1e16, 7, 4}, {-1e16, 7, -4}})
    EXPECT_EQ(modRoundHalfEven(c.x, c.n), c.expected) << c.x << " mod " << c.n;
  EXPECT_FALSE(std::signbit(modRoundHalfEven(-20, 10)));
  EXPECT_THROW(modRoundHalfEven(5, 0.4), std::domain_error);
}

TEST(NumberRules, NumericValueReadsTheLeadingNumber) {
  struct Case { const char* text; double expected; };
  for (const Case c : {Case{"2024", 2024}, {"  -660", -660}, {"+5", 5}, {"12x", 12}, {"x12", 0}, {"", 0},
                       {"-", 0}, {"01月第2月曜日", 1}, {"2月曜日", 2}, {"1.5年", 1.5}, {".5", 0.5},
                       {"3e2", 300}, {"3e", 3}, {"3e+", 3}, {"7-1", 7}, {"  ", 0}, {"1 2", 1},
                       {"5.e3", 5000}, {"-.5", -0.5}, {"1e400", 0}, {"-1e400", 0}})
    EXPECT_EQ(numericValue(c.text), c.expected) << c.text;
}

TEST(NumberRules, NumberTextsHaveTheTwoFormsOfTheOutputs) {
  struct Case { double x; const char* plain; const char* withBlank; };
  for (const Case c : {Case{2024, "2024", " 2024"}, {-660, "-660", "-660"}, {0, "0", " 0"}, {1, "1", " 1"},
                       {2024.5, "2024.5", " 2024.5"}, {-0.25, "-0.25", "-0.25"}, {1e9, "1000000000", " 1000000000"},
                       {123456789012, "123456789012", " 123456789012"}, {-0.0, "0", " 0"},
                       {1e15, "1e+15", " 1e+15"}, {0.1 + 0.2, "0.3", " 0.3"}, {1e-16, "1e-16", " 1e-16"},
                       {-1e-15, "-0.000000000000001", "-0.000000000000001"}}) {
    EXPECT_EQ(trimmedNumber(c.x), c.plain) << c.x;
    EXPECT_EQ(numberText(c.x), c.withBlank) << c.x;
  }
}

TEST(NumberRules, PiIsTheCalendarsElevenDecimalValue) {
  EXPECT_EQ(PI, 3.14159265359);
  EXPECT_NE(PI, 3.141592653589793);
}

}  // namespace
}  // namespace ventorel
