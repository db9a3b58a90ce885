// A chosen year filled by hand for the output tests: reference data with the
// holiday rows of the current law, the chosen year's sky with a few terms, and a
// plausible old calendar, so that the renderers can be checked without computing
// the sky.
#pragma once

#include <memory>
#include <string>

#include "astro/day_count.h"
#include "calendar/annotate.h"
#include "classic/file_holidays.h"

namespace ventorel::testing {

// Day index of (m, d) in a year of astronomical numbering.
inline int dayIndex(double year, int m, int d) {
  MonthStarts starts{"monthStart"};
  fillMonthStarts(starts, leapDay(year));
  return starts[m] + d;
}

// The holiday file of the current law: fixed dates in rows 1..10 (one of them,
// row 10, also the first rule row) and "MM-000N" n-th Monday rules.
inline void fillHolidayRows(HolidayFile& file) {
  struct Row { int m; int d; const char* name; const char* rule; };
  const Row rows[] = {{1, 1, "元日", ""},        {2, 11, "建国記念の日", ""}, {2, 23, "天皇誕生日", ""},
                      {4, 29, "昭和の日", ""},   {5, 3, "憲法記念日", ""},    {5, 4, "みどりの日", ""},
                      {5, 5, "こどもの日", ""},  {8, 11, "山の日", ""},       {11, 3, "文化の日", ""},
                      {11, 23, "勤労感謝の日", ""}, {0, 0, "成人の日", "01-0002"}, {0, 0, "海の日", "07-0003"},
                      {0, 0, "敬老の日", "09-0003"}, {0, 0, "スポーツの日", "10-0002"}};
  int i = 1;
  for (const Row& row : rows) {
    if (row.m > 0) {
      file.holidayDate(1, i) = Value(double(row.m));
      file.holidayDate(2, i) = Value(double(row.d));
    } else {
      file.holidayRule[i] = row.rule;
    }
    file.holidayName[i] = row.name;
    ++i;
  }
}

struct FixtureYear {
  ReferenceData data;
  double enteredYear = 0;
  SkyTrio skies;
  LunarDays lunar;

  YearSky& sky() { return skies[1]; }
  int dayIndex(int m, int d) const { return testing::dayIndex(skies[1].year, m, d); }
  CalendarYear calendar() const { return annotate(data, enteredYear, skies, lunar, holidaysOf(data.holidays, skies[1]), AnnotationChoices{}); }
};

// The chosen year (user numbering) and everything a renderer reads for it: terms
// 小寒 on 6 January, 大寒 on 20 January, 立春 on 4 February, 雨水 on 19 February,
// 春分 on 20 March, 秋分 on `autumnEquinoxDay` September; old-calendar months of
// 30 days with 1 January on day 20 of month 11, the fourth month (閏1月) a leap
// month; the holiday rows only with `holidays`.
inline std::unique_ptr<FixtureYear> chosenYear(double enteredYear, int autumnEquinoxDay = 23, bool holidays = true) {
  auto year = std::make_unique<FixtureYear>();
  year->enteredYear = enteredYear;
  if (holidays) fillHolidayRows(year->data.holidays);
  const double y = enteredYear > 0 ? enteredYear : enteredYear + 1;
  for (int slot = 0; slot < 3; ++slot) {
    year->skies[static_cast<std::size_t>(slot)].year = y + slot - 1;
    year->skies[static_cast<std::size_t>(slot)].lastDay = 365 + leapDay(y + slot - 1);
  }
  YearSky& sky = year->sky();
  auto term = [&](int k, int m, int d) { sky.placeTerm(k, year->dayIndex(m, d)); };
  term(19, 1, 6);
  term(20, 1, 20);
  term(21, 2, 4);
  term(22, 2, 19);
  term(0, 3, 20);
  term(12, 9, autumnEquinoxDay);
  const LunarMonth months[] = {{11, false}, {12, false}, {1, false}, {1, true}, {2, false}, {3, false}, {4, false},
                               {5, false},  {6, false},  {7, false}, {8, false}, {9, false}, {10, false}, {11, false}};
  LunarYear& lunar = year->lunar.years[1];
  lunar.year = y;
  lunar.lastDay = sky.lastDay;
  for (int d = 0; d <= 366; ++d) {
    const int sinceMonth11 = d + 18;  // day 1 is the 20th day (age 20) of month 11
    lunar.days[d].month = months[sinceMonth11 / 30];
    lunar.days[d].day = sinceMonth11 % 30 + 1;
    lunar.days[d].moonAge = lunar.days[d].day;
  }
  return year;
}

}  // namespace ventorel::testing
