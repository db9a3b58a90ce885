// The old-calendar months by the rule used since the calendar reform of 1844 and
// by the almanacs of today: a lunar month runs from a new-moon day to the day
// before the next one; the month that holds 冬至 is the 11th; when thirteen months
// lie between two 冬至 months, the first of them without a 中気 is the leap month
// and repeats the number of the month before it. Counting on from the 11th month
// (rather than naming each month after its 中気) keeps the numbering sound where a
// month holds two 中気, and gives 閏11月 in 2033.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ventorel {

// A principal term (中気) on its local day: `term` is the solar-term index (the
// term at 15 * term degrees of solar longitude; even indexes are the 中気, 18 is 冬至).
struct PrincipalTermDay {
  std::int64_t day;
  int term;
};

// One numbered lunar month: its first day, its number 1..12, and the leap mark.
struct LunarMonthStart {
  std::int64_t firstDay;
  int number;
  bool leap;
};

// An old-calendar date.
struct LunarDate {
  int month;  // 1..12
  bool leap;
  int day;    // 1..30
};

// Numbers the months that begin on `newMoonDays` (ascending local day numbers).
// `principalTerms` are the 中気 of the same span. Months between two 冬至 months
// follow the rule above; months before the first or after the last 冬至 month are
// counted back or on from it without a leap month, so a caller covers the days it
// needs with a 冬至 month on each side. The last new moon only closes the month
// before it. Returns nothing when the span holds no 冬至 month or when two 冬至
// months lie an impossible number of months apart (bad input).
std::optional<std::vector<LunarMonthStart>> numberLunarMonths(const std::vector<std::int64_t>& newMoonDays,
                                                              const std::vector<PrincipalTermDay>& principalTerms);

// The old-calendar date of `day` from numbered months (ascending), or nothing when
// the day lies before the first month or on or after `endDay` (the day the last
// month stops short of).
std::optional<LunarDate> lunarDateOf(const std::vector<LunarMonthStart>& months, std::int64_t endDay,
                                     std::int64_t day);

}  // namespace ventorel
