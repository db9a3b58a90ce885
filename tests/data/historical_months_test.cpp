#include "data/historical_months.h"

#include <gtest/gtest.h>

namespace ventorel {
namespace {

using Day = std::optional<HistoricalDay>;

TEST(HistoricalMonths, DaysAtTheEndsOfTheTableAndInsideIt) {
  struct Case { std::int64_t jdn; Day expected; };
  const Case cases[] = {
      {HistoricalFirstJdn - 1, std::nullopt},
      {1883618, HistoricalDay{445, 1, false, 1, 30}},   // 0445-01-25, the first day
      {1883765, HistoricalDay{445, 5, false, 30, 30}},  // the day before the leap month
      {1883766, HistoricalDay{445, 5, true, 1, 29}},    // 閏5月1日
      {1883794, HistoricalDay{445, 5, true, 29, 29}},
      {1883795, HistoricalDay{445, 6, false, 1, 30}},
      {2343097, HistoricalDay{1702, 12, false, 14, 30}},  // 元禄15年12月14日 = 1703-01-30
      {2404390, HistoricalDay{1870, 10, true, 1, 29}},    // the last leap month
      {2405159, HistoricalDay{1872, 12, false, 2, 2}},    // 1872-12-31 = 明治5年12月2日
      {HistoricalLastJdn + 1, std::nullopt},              // 1873-01-01: Gregorian calendar
  };
  for (const Case& c : cases) EXPECT_EQ(historicalDay(c.jdn), c.expected) << c.jdn;
}

TEST(HistoricalMonths, TheWalkOverManyDaysAgreesWithTheLookupOfEachDay) {
  // From before the table to after it: every day of 444..1873.
  const std::int64_t first = HistoricalFirstJdn - 400;
  const int count = static_cast<int>(HistoricalLastJdn - first) + 400;
  const auto days = historicalDays(first, count);
  ASSERT_EQ(days.size(), static_cast<std::size_t>(count));
  int inTable = 0;
  for (int k = 0; k < count; ++k) {
    ASSERT_EQ(days[k], historicalDay(first + k)) << first + k;
    inTable += days[k].has_value();
  }
  EXPECT_EQ(inTable, 521542);
  EXPECT_TRUE(historicalDays(first, 0).empty());
  EXPECT_TRUE(historicalDays(first, -5).empty());
}

TEST(HistoricalMonths, TheCalendarInForceChangesInTheYearItTookEffect) {
  struct Case { int year; std::string_view name; };
  for (const Case c : {Case{444, ""}, {445, "元嘉暦"}, {696, "元嘉暦"}, {697, "儀鳳暦"}, {763, "儀鳳暦"},
                       {764, "大衍暦"}, {861, "大衍暦"}, {862, "宣明暦"}, {1684, "宣明暦"}, {1685, "貞享暦"},
                       {1754, "貞享暦"}, {1755, "宝暦暦"}, {1797, "宝暦暦"}, {1798, "寛政暦"}, {1843, "寛政暦"},
                       {1844, "天保暦"}, {1872, "天保暦"}, {1873, ""}, {-100, ""}})
    EXPECT_EQ(historicalCalendarName(c.year), c.name) << c.year;
}

}  // namespace
}  // namespace ventorel
