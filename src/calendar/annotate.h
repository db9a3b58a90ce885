// The chosen year annotated day by day: dates, terms, 雑節, holidays, festivals,
// 六曜, 干支, 選日 and the old calendar, plus the year's era and sign.
#pragma once

#include "calendar/calendar_year.h"
#include "calendar/holidays.h"
#include "calendar/lunar_days.h"
#include "data/reference_data.h"

namespace ventorel {

// The Julian date of day d (1 = 1 January) of the Gregorian year that starts
// `daysBeforeYear` days after 1 January of year 1.
JulianDate julianDateOf(double daysBeforeYear, int d);
// The days of a month of a Julian year.
int julianMonthLength(double year, int month);

// True for the days the calendar shows in the Gregorian calendar: from 1582-10-15 on.
bool isGregorianDay(double year, int month, int day);

// The 雑節 of every day 0..lastDay of the chosen year, each day's in display order.
// With `almanacRules` a 癸 equinox takes the 社日 by the time of the equinox
// (the earlier 戊 day before noon, the later one from noon on), as the almanacs
// have since 1881; without it, always the earlier one. With it the 彼岸 week
// marks its 中日 alone between its first and last day; without it the five days.
std::vector<std::vector<Zassetsu>> zassetsuOf(const YearSky& sky, const LunarYear& lunar, bool almanacRules = false);

// What a calendar basis decides for the annotations of a year.
struct AnnotationChoices {
  bool rekichu = false;             // 九星, 十二直, 二十八宿 and the other 暦注 of each day
  bool historicalCalendar = false;  // name the official calendar in force up to 1872
  bool almanacRules = false;        // 社日, 彼岸 and 一粒万倍日 as the almanacs print them (true basis)
};

// The chosen year (the middle of the three skies) as the calendar files show it,
// with the holidays of its days (`holidays`, indexed by day 0..lastDay).
CalendarYear annotate(const ReferenceData& data, double enteredYear, const SkyTrio& skies, const LunarDays& lunar,
                      YearHolidays holidays, const AnnotationChoices& choices);

}  // namespace ventorel
