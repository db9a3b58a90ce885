// A run state filled by hand for the output tests: the chosen year's day
// arithmetic, a plausible old calendar, solar terms and holiday rows, so that
// the output phases can be checked without computing the sky.
#pragma once

#include <memory>
#include <string>

#include "app/run_state.h"
#include "astro/day_count.h"
#include "output/holidays.h"

namespace ventorel::testing {

// Day index of (m, d) in the year the state's monthStart describes.
inline int dayIndex(const RunState& state, int m, int d) { return state.monthStart[m] + d; }

// The holiday file of the current law: fixed dates in rows 1..10 (one of them,
// row 10, also the first rule row) and "MM-000N" n-th Monday rules.
inline void fillHolidayRows(RunState& state) {
  struct Row { int m; int d; const char* name; const char* rule; };
  const Row rows[] = {{1, 1, "元日", ""},        {2, 11, "建国記念の日", ""}, {2, 23, "天皇誕生日", ""},
                      {4, 29, "昭和の日", ""},   {5, 3, "憲法記念日", ""},    {5, 4, "みどりの日", ""},
                      {5, 5, "こどもの日", ""},  {8, 11, "山の日", ""},       {11, 3, "文化の日", ""},
                      {11, 23, "勤労感謝の日", ""}, {0, 0, "成人の日", "01-0002"}, {0, 0, "海の日", "07-0003"},
                      {0, 0, "敬老の日", "09-0003"}, {0, 0, "スポーツの日", "10-0002"}};
  int i = 1;
  for (const Row& row : rows) {
    if (row.m > 0) {
      state.holidayDate(1, i) = Value(double(row.m));
      state.holidayDate(2, i) = Value(double(row.d));
      state.holidayName[i] = row.name;
    } else {
      state.holidayName[i] = row.name;
      state.holidayRule[i] = row.rule;
    }
    ++i;
  }
}

// Sets the chosen year (user numbering) and everything a writer reads for it:
// terms 小寒 on 6 January, 大寒 on 20 January, 春分 on 20 March, 秋分 on
// `autumnEquinoxDay` September; old-calendar months of 30 days with 1 January
// on day 20 of month 11, the third month a leap month.
inline void fillChosenYear(RunState& state, double enteredYear, int autumnEquinoxDay = 23) {
  state.enteredYear = enteredYear;
  state.enteredYearText = std::to_string(static_cast<long long>(enteredYear));
  state.year = enteredYear > 0 ? enteredYear : enteredYear + 1;
  state.baseYear = state.year;
  state.yearOffset = 0;
  state.computeYearArithmetic();
  const char* months[] = {"11月", "12月", "1月", "閏1月", "2月", "3月", "4月", "5月",
                          "6月",  "7月",  "8月", "9月",   "10月", "11月"};
  for (int d = 0; d <= 366; ++d) {
    state.dayNotePlain(1, d).clear();
    state.dayNoteHtml(1, d).clear();
    state.dayHoliday[d].clear();
    const int sinceMonth11 = d + 18;  // day 1 is the 20th day (age 20) of month 11
    state.dayLunarMonth(1, d) = months[sinceMonth11 / 30];
    state.dayMoonAge(1, d) = sinceMonth11 % 30 + 1;
  }
  auto term = [&](int k, int m, int dd) {
    const int d = dayIndex(state, m, dd);
    state.termDay(1, k) = d;
    state.dayNotePlain(1, d) = state.names.solarTermName(1, k);
    state.dayNoteHtml(1, d) = state.names.solarTermName(0, k);
  };
  term(19, 1, 6);
  term(20, 1, 20);
  term(21, 2, 4);
  term(22, 2, 19);
  term(0, 3, 20);
  term(12, 9, autumnEquinoxDay);
}

// The first holiday stage as the annotation walk runs it.
inline void assignYear(RunState& state) {
  for (int d = 0; d <= 365 + state.leapDay; ++d) {
    const MonthDay md = monthDayOf(d, state.monthStart);
    assignHolidays(state, d, md.month, md.day, epochDays(state.year, md.month, md.day, state.monthStart));
  }
}

}  // namespace ventorel::testing
