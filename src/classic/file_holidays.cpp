#include "classic/file_holidays.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "data/numbers.h"
#include "data/text.h"

namespace ventorel {

namespace {

constexpr const char* VernalEquinoxDay = "春分の日";
constexpr const char* AutumnalEquinoxDay = "秋分の日";
constexpr const char* CitizensHoliday = "国民の休日";
constexpr const char* SubstituteHoliday = "振替休日";

// Room for the two days after the last that the in-between rule looks at.
constexpr int HolidaySlots = 369;

// A row of the holiday file the reader did not fill: it never matches a day.
bool isEmptyField(const Value& v) { return v.isUnset() || (v.isText() && trimBlanks(v.text()).empty()); }

// The holiday file's rows as the days look them up, read once per year: the
// filled fixed-date rows, and the month and week of each filled n-th Monday rule.
struct FileRows {
  // A fixed-date row, with the numbers 0..31 its month and its day equal (bit k for k).
  struct Date {
    int row;
    std::uint32_t months;
    std::uint32_t days;
    bool matches(const HolidayFile& file, int m, int dd) const {
      if (m < 0 || m > 31 || dd < 0 || dd > 31)
        return file.holidayDate(1, row).equals(m) && file.holidayDate(2, row).equals(dd);
      return (months >> m & 1u) && (days >> dd & 1u);
    }
  };
  struct Rule {
    int row;
    double month;
    double week;
  };
  std::vector<Date> dates;  // rows 1..10 with a month and a day
  std::vector<Rule> rules;  // rows 10..15 with a rule

  explicit FileRows(const HolidayFile& file) {
    for (int i = 1; i <= 10; ++i) {
      if (isEmptyField(file.holidayDate(1, i)) || isEmptyField(file.holidayDate(2, i))) continue;
      Date date{i, 0, 0};
      for (int k = 0; k <= 31; ++k) {
        if (file.holidayDate(1, i).equals(k)) date.months |= 1u << k;
        if (file.holidayDate(2, i).equals(k)) date.days |= 1u << k;
      }
      dates.push_back(date);
    }
    for (int i = 10; i <= 15; ++i) {
      const std::string& rule = file.holidayRule[i];
      if (trimBlanks(rule).empty()) continue;
      rules.push_back({i, numericValue(leftChars(rule, 2)), numericValue(rightChars(rule, 4))});
    }
  }
};

// The holiday of the file or an equinox on day d, Gregorian month m and day dd;
// `epochDays` gives the day's number, which only a rule's candidate days need.
template <typename DayNumber>
std::string fileHoliday(const HolidayFile& file, const FileRows& rows, const YearSky& sky, int d, int m, int dd,
                        DayNumber epochDays) {
  std::string holiday;
  for (const FileRows::Date& date : rows.dates)
    if (date.matches(file, m, dd)) holiday = file.holidayName[date.row];
  if (d == sky.dayOf(SolarTerm::Shunbun)) holiday = VernalEquinoxDay;
  if (d == sky.dayOf(SolarTerm::Shubun)) holiday = AutumnalEquinoxDay;
  for (const FileRows::Rule& rule : rows.rules) {
    const double n = rule.week;
    if (m == rule.month && dd > 7 * (n - 1) && dd <= 7 * n && weekdayIndex(epochDays()) == 1)
      holiday = file.holidayName[rule.row];
  }
  return holiday;
}

}  // namespace

std::vector<std::optional<DayHoliday>> holidaysOf(const HolidayFile& file, const YearSky& sky) {
  // Before the holiday file's first year no day has a holiday, so none moves or lies between two.
  if (!(sky.year >= FirstHolidayYear))
    return std::vector<std::optional<DayHoliday>>(static_cast<std::size_t>(sky.lastDay) + 1);
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(sky.year));
  Table<std::string, HolidaySlots> names{"dayHoliday"};
  Table<HolidayKind, HolidaySlots> kinds{"dayHolidayKind"};
  kinds.fill(HolidayKind::Law);
  const FileRows rows(file);
  // Day 0 is the last day of the year before: month 0, never a holiday.
  for (int d = 1; d <= sky.lastDay; ++d) {
    const MonthDay date = monthDayOf(d, monthStart);
    names[d] = fileHoliday(file, rows, sky, d, date.month, date.day,
                           [&] { return epochDays(sky.year, date.month, date.day, monthStart); });
  }
  for (int d = 1; d <= sky.lastDay; ++d) {
    // A single day without a holiday between two holidays becomes one.
    if (!names[d].empty() && names[d + 1].empty() && !names[d + 2].empty()) {
      names[d + 1] = CitizensHoliday;
      kinds[d + 1] = HolidayKind::Between;
    }
    // A holiday on a Sunday moves to the nearest following day without one.
    if (names[d].empty() || names[d] == CitizensHoliday) continue;
    const MonthDay date = monthDayOf(d, monthStart);
    if (weekdayIndex(epochDays(sky.year, date.month, date.day, monthStart)) == 0) {
      int k = 1;
      while (!names[d + k].empty()) ++k;
      names[d + k] = SubstituteHoliday;
      kinds[d + k] = HolidayKind::Substitute;
    }
  }
  std::vector<std::optional<DayHoliday>> holidays(static_cast<std::size_t>(sky.lastDay) + 1);
  for (int d = 1; d <= sky.lastDay; ++d)
    if (!names[d].empty()) holidays[static_cast<std::size_t>(d)] = DayHoliday{names[d], kinds[d]};
  return holidays;
}

}  // namespace ventorel
