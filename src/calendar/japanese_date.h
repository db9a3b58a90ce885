// The Japanese date of a day: the era (or the reigning emperor's year where no era
// was in use), the year of it, and the month and day as the calendar in force
// wrote them; both courts' dates in 1331..1392 where they differ.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/era_starts.h"

namespace ventorel {

// Whose date it is: the one date of a day (None), or the northern or southern
// court's where the two courts' eras differ.
enum class EraCourt : std::uint8_t { None, North, South };

struct JapaneseDate {
  EraCourt court = EraCourt::None;
  std::string era;        // 元禄, or the emperor of a reign-year count (推古天皇)
  bool reign = false;     // a reign-year count
  std::int64_t year = 0;  // 1 is 元年
  int month = 0;          // old-calendar month before 1873, Gregorian month from then
  bool leap = false;      // a leap month (閏), before 1873 only
  int day = 0;
  bool operator==(const JapaneseDate&) const = default;
};

// The first day written in the Gregorian calendar in Japan: 1873-01-01 was 明治6年1月1日.
inline constexpr std::int64_t JapanGregorianFirstJdn = 2405160;

// The old-calendar date of a day before 1873: the lunar year (numbered as the
// Gregorian year in which it began), month, leap flag and day.
struct OldCalendarDate {
  std::int64_t year = 0;
  int month = 0;
  bool leap = false;
  int day = 0;
};

// The lunar year of a day of Gregorian year `gregorianYear` in old-calendar month
// `month`: a month 11 or 12 that reaches into January to March belongs to the
// year before.
std::int64_t lunarYearOf(std::int64_t gregorianYear, int gregorianMonth, int month);

// The Japanese dates of the day `jdn`: none before the first start of the table
// (or for a day before 1873 without its old-calendar date), one where the courts
// agree, the northern then the southern court's where they differ. Before 1873
// the era year counts old-calendar years and turns at 1月1日; from 1873 it counts
// Gregorian years and the month and day are Gregorian.
std::vector<JapaneseDate> japaneseDatesOf(std::int64_t jdn, const std::optional<OldCalendarDate>& old,
                                          const EraStarts& starts);

}  // namespace ventorel
