#include "output/holidays.h"

#include "data/numbers.h"
#include "data/text.h"
#include "output/html_escape.h"

namespace ventorel {

namespace {

constexpr const char* VernalEquinoxDay = "春分の日";
constexpr const char* AutumnalEquinoxDay = "秋分の日";
constexpr const char* CitizensHoliday = "国民の休日";
constexpr const char* SubstituteHoliday = "振替休日";

// Holiday names the page links to their articles, in the order they are compared.
// 山の日 and スポーツの日 follow the original names because the holiday file
// follows the current law.
constexpr const char* LinkedHolidays[] = {
    "元日",     "成人の日", "建国記念の日", "春分の日",   "昭和の日",     "憲法記念日",
    "みどりの日", "こどもの日", "海の日",       "敬老の日",   "秋分の日",     "体育の日",
    "文化の日", "勤労感謝の日", "天皇誕生日", "振替休日", "国民の休日", "山の日",
    "スポーツの日"};

// A row of the holiday file the reader did not fill: it never matches a day.
bool isEmptyField(const Value& v) { return v.isUnset() || (v.isText() && trimBlanks(v.text()).empty()); }

}  // namespace

std::string holidayHtml(const std::string& name) {
  for (const char* known : LinkedHolidays)
    if (name == known) return articleLink(name, name, "</A>");
  return htmlEscape(name);
}

void assignHolidays(RunState& state, int d, int m, int dd, double epochDays) {
  // Day 0 is the last day of the year before: month 0, never a holiday.
  if (m < 1) return;
  std::string& holiday = state.dayHoliday[d];
  for (int i = 1; i <= 10; ++i) {
    if (isEmptyField(state.holidayDate(1, i)) || isEmptyField(state.holidayDate(2, i))) continue;
    if (state.holidayDate(1, i).equals(m) && state.holidayDate(2, i).equals(dd)) holiday = state.holidayName[i];
  }
  if (d == state.termDay(1, 0)) holiday = VernalEquinoxDay;
  if (d == state.termDay(1, 12)) holiday = AutumnalEquinoxDay;
  for (int i = 10; i <= 15; ++i) {
    const std::string& rule = state.holidayRule[i];
    if (trimBlanks(rule).empty()) continue;
    const double month = numericValue(leftChars(rule, 2));
    const double n = numericValue(rightChars(rule, 4));
    if (m == month && dd > 7 * (n - 1) && dd <= 7 * n && weekdayIndex(epochDays) == 1)
      holiday = state.holidayName[i];
  }
  if (state.year < FirstHolidayYear) holiday.clear();
}

void finishHolidays(RunState& state, int d, double epochDays, bool html) {
  auto& holidays = state.dayHoliday;
  // A single day without a holiday between two holidays becomes one.
  if (!holidays[d].empty() && holidays[d + 1].empty() && !holidays[d + 2].empty()) holidays[d + 1] = CitizensHoliday;
  // A holiday on a Sunday moves to the nearest following day without one.
  if (!holidays[d].empty() && holidays[d] != CitizensHoliday && weekdayIndex(epochDays) == 0) {
    int k = 1;
    while (!holidays[d + k].empty()) ++k;
    holidays[d + k] = SubstituteHoliday;
  }
  if (html && !holidays[d].empty()) holidays[d] = holidayHtml(holidays[d]);
}

}  // namespace ventorel
