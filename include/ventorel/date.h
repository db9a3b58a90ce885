// The time vocabulary of the whole engine: years without a year 0, one day count,
// and dates in the proleptic Gregorian and the Julian calendar.
//
// Every function is pure and constexpr; each states the range it holds for. The
// day count is the Julian Day Number (JDN): a whole civil day, JDN 0 being
// 24 November 4714 BC of the proleptic Gregorian calendar (-4713-11-24).
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ventorel {

// The largest year, in magnitude, that the calendar makes: beyond it the day
// numbers held in doubles by the classic model would lose whole days.
inline constexpr std::int64_t LargestYear = 1'000'000'000'000;

// The two numberings of years: users number them without a year 0 (1 BC is -1);
// inside, years are astronomical (1 BC is 0, 2 BC is -1). These two functions are
// the one place that turns one into the other, for whole years (`Year`) and for
// the years with a fraction that the classic basis takes.
template <typename Number>
constexpr Number astronomicalOfUser(Number user) {
  return user < 0 ? user + 1 : user;
}
template <typename Number>
constexpr Number userOfAstronomical(Number astronomical) {
  return astronomical <= 0 ? astronomical - 1 : astronomical;
}

// The user's year one step (+1 or -1) from `user`, year 0 skipped; a year with a
// fraction moves by the step and skips only an exact 0 (-0.5 + 1 is 0.5).
constexpr double userYearBeside(double user, int step) {
  const double target = user + step;
  return target == 0 ? target + step : target;
}

// A whole year in both numberings.
class Year {
 public:
  constexpr Year() = default;
  // The year the user numbers `user` (not 0; no check of the range).
  static constexpr std::optional<Year> fromUser(std::int64_t user) {
    if (user == 0) return std::nullopt;
    return Year(astronomicalOfUser(user));
  }
  static constexpr Year fromAstronomical(std::int64_t astronomical) { return Year(astronomical); }

  constexpr std::int64_t astronomical() const { return astronomical_; }
  // The user's numbering: never 0.
  constexpr std::int64_t user() const { return userOfAstronomical(astronomical_); }
  // Within ±LargestYear, as the user numbers it.
  constexpr bool ok() const { return user() >= -LargestYear && user() <= LargestYear; }
  constexpr Year next() const { return Year(astronomical_ + 1); }
  constexpr Year previous() const { return Year(astronomical_ - 1); }
  constexpr auto operator<=>(const Year&) const = default;

 private:
  constexpr explicit Year(std::int64_t astronomical) : astronomical_(astronomical) {}
  std::int64_t astronomical_ = 1;
};

// The two calendars of the Western dates.
enum class WesternCalendar { Gregorian, Julian };

// Whether an astronomical year is a leap year: every fourth year, and in the
// Gregorian calendar not the centuries but every fourth century. All years.
constexpr bool isLeapYear(std::int64_t year, WesternCalendar calendar = WesternCalendar::Gregorian) {
  if (year % 4 != 0) return false;
  return calendar == WesternCalendar::Julian || year % 100 != 0 || year % 400 == 0;
}

// The days of month 1..12 of an astronomical year; 0 for another month.
constexpr int daysInMonth(std::int64_t year, int month, WesternCalendar calendar = WesternCalendar::Gregorian) {
  constexpr int Common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return Common[month - 1] + (month == 2 && isLeapYear(year, calendar) ? 1 : 0);
}

// Days of an astronomical year before month 1..13 (13: the whole year).
constexpr int daysBeforeMonth(std::int64_t year, int month, WesternCalendar calendar = WesternCalendar::Gregorian) {
  int days = 0;
  for (int m = 1; m < month && m <= 12; ++m) days += daysInMonth(year, m, calendar);
  return days;
}

// JDN of 1970-01-01 (Gregorian).
inline constexpr std::int64_t JdnOfUnixEpoch = 2440588;

// A date: an astronomical year, month 1..12 and day 1..31, in one of the two
// calendars. ok() tells whether the day exists.
struct Date {
  std::int64_t year = 1;
  int month = 1;
  int day = 1;
  WesternCalendar calendar = WesternCalendar::Gregorian;

  constexpr bool ok() const {
    return year >= -LargestYear && year <= LargestYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month, calendar);
  }
  constexpr bool operator==(const Date&) const = default;
};

// The JDN of a date (after the algorithms of H. Hinnant's "chrono-Compatible
// Low-Level Date Algorithms"); for any ok() date.
constexpr std::int64_t jdnOf(const Date& date) {
  const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t mp = date.month > 2 ? date.month - 3 : date.month + 9;  // March = 0
  const std::int64_t dayOfYear = (153 * mp + 2) / 5 + date.day - 1;
  if (date.calendar == WesternCalendar::Julian) {
    const std::int64_t era = (y >= 0 ? y : y - 3) / 4;
    const std::int64_t yearOfEra = y - era * 4;
    return era * 1461 + yearOfEra * 365 + dayOfYear - 719470 + JdnOfUnixEpoch;
  }
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + JdnOfUnixEpoch;
}

// The date of a JDN in the given calendar; for any JDN of a year within ±LargestYear.
constexpr Date dateOf(std::int64_t jdn, WesternCalendar calendar = WesternCalendar::Gregorian) {
  std::int64_t z = jdn - JdnOfUnixEpoch;
  std::int64_t y = 0;
  std::int64_t dayOfYear = 0;
  if (calendar == WesternCalendar::Julian) {
    z += 719470;
    const std::int64_t era = (z >= 0 ? z : z - 1460) / 1461;
    const std::int64_t dayOfEra = z - era * 1461;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460) / 365;
    y = yearOfEra + era * 4;
    dayOfYear = dayOfEra - 365 * yearOfEra;
  } else {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    y = yearOfEra + era * 400;
    dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  }
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{y + (month <= 2 ? 1 : 0), month, day, calendar};
}

// 0..6, 0 = Sunday, of a JDN.
constexpr int weekdayOf(std::int64_t jdn) {
  const std::int64_t w = (jdn + 1) % 7;
  return static_cast<int>(w < 0 ? w + 7 : w);
}

// The first day of the Gregorian calendar, 1582-10-15; the day before was the
// Julian 1582-10-04.
inline constexpr std::int64_t FirstGregorianJdn = 2299161;

// The date as the calendar in use wrote it: Julian before 1582-10-15, Gregorian
// from then on.
constexpr Date dateInUse(std::int64_t jdn) {
  return dateOf(jdn, jdn < FirstGregorianJdn ? WesternCalendar::Julian : WesternCalendar::Gregorian);
}

// "YYYY-MM-DD" with an optional sign and one to thirteen digits of year
// (astronomical, as ISO 8601 numbers them: -0659 is 660 BC), in the given
// calendar. None for another form; a date of this form that does not exist is
// returned as written, not ok().
inline std::optional<Date> parseIsoDate(std::string_view s, WesternCalendar calendar = WesternCalendar::Gregorian) {
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  const std::size_t dash = s.find('-');
  if (dash == std::string_view::npos || dash < 1 || dash > 13 || s.size() != dash + 6 || s[dash + 3] != '-')
    return std::nullopt;
  auto digits = [](std::string_view part, std::int64_t& value) {
    for (const char c : part)
      if (c < '0' || c > '9') return false;
    std::from_chars(part.data(), part.data() + part.size(), value);
    return true;
  };
  std::int64_t y = 0, m = 0, d = 0;
  if (!digits(s.substr(0, dash), y) || !digits(s.substr(dash + 1, 2), m) || !digits(s.substr(dash + 4, 2), d))
    return std::nullopt;
  return Date{negative ? -y : y, static_cast<int>(m), static_cast<int>(d), calendar};
}

static_assert(jdnOf(Date{1582, 10, 15}) == FirstGregorianJdn);
static_assert(jdnOf(Date{1582, 10, 4, WesternCalendar::Julian}) == FirstGregorianJdn - 1);
static_assert(jdnOf(Date{2000, 1, 1}) == 2451545);
static_assert(jdnOf(Date{-4713, 11, 24}) == 0);
static_assert(dateOf(2451545) == Date{2000, 1, 1});
static_assert(weekdayOf(2451545) == 6);  // 2000-01-01 was a Saturday

}  // namespace ventorel
