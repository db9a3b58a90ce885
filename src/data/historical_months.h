// The months of the Japanese lunisolar calendar as officially used from lunar
// year 445 to the change to the Gregorian calendar (1872-12-31), compiled in.
//
// The official calendars did not always start a month on the astronomical new
// moon, so for these years the month and day that people wrote come from this
// table, not from astronomy. Days are Julian Day Numbers (see astro/julian_day.h
// for the link to epochDays). All lookups are pure and need no loading.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ventorel {

// The span of the table: the first day of month 1 of lunar year 445
// (0445-01-25 Gregorian) to 1872-12-31, which was 明治5年12月2日; the next day
// began the Gregorian calendar.
inline constexpr std::int64_t HistoricalFirstJdn = 1883618;
inline constexpr std::int64_t HistoricalLastJdn = 2405159;
inline constexpr int HistoricalFirstYear = 445;
inline constexpr int HistoricalLastYear = 1872;

// One day of the historical calendar.
struct HistoricalDay {
  int year;       // lunar year, numbered as the Gregorian year in which it began
  int month;      // 1..12; a leap month carries the number of the month it follows
  bool leap;      // true in the leap month (閏)
  int day;        // 1..30
  int monthDays;  // length of this month: 29 or 30 (2 for the table's last month)
  bool operator==(const HistoricalDay&) const = default;
};

// One month of the historical calendar.
struct HistoricalMonth {
  int year;
  int month;
  bool leap;
  std::int64_t firstJdn;
  int days;
  bool operator==(const HistoricalMonth&) const = default;
};

// The historical day of a JDN; none outside HistoricalFirstJdn..HistoricalLastJdn.
// A binary search over the years, then a walk over at most 13 months.
std::optional<HistoricalDay> historicalDay(std::int64_t jdn);

// The historical days of `count` consecutive days from firstJdn (none for days
// outside the table): one search, then a walk, for filling a whole year at once.
// For a Gregorian year y: historicalDays(jdnOfGregorian(y, 1, 1), 365 + leapDay(y)).
std::vector<std::optional<HistoricalDay>> historicalDays(std::int64_t firstJdn, int count);

// Every month of the table in order (17,662 months).
std::vector<HistoricalMonth> historicalMonths();

// The official calendar in force for (lunar or Gregorian) year y: 元嘉暦 up to 696,
// then 儀鳳暦, 大衍暦, 宣明暦, 貞享暦, 宝暦暦, 寛政暦 and from 1844 天保暦. Each new
// calendar took effect at the start of a lunar year, which begins in January or
// February, so it also governs most of the Gregorian year of that number. Empty
// outside HistoricalFirstYear..HistoricalLastYear.
std::string_view historicalCalendarName(int year);

}  // namespace ventorel
