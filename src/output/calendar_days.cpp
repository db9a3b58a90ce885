#include "output/calendar_days.h"

#include "astro/day_count.h"
#include "data/numbers.h"
#include "output/holidays.h"
#include "platform/file_io.h"

namespace ventorel {

namespace {

constexpr const char* Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr double DaysPerJulianYear = 365.25;

}  // namespace

JulianDate julianDateOf(double daysBeforeYear, int d) {
  // Day R of the Julian era, 1 January of Julian year 1 being day 1.
  const double r = daysBeforeYear + d + 2;
  const double year = Int(r / DaysPerJulianYear) + 1;
  const int leap = static_cast<int>(Int(Int(year / 4) + 1 - year / 4));
  MonthStarts starts{"julianMonthStart"};
  fillMonthStarts(starts, leap);
  const double dayOfYear = r - Int((year - 1) * DaysPerJulianYear);
  const MonthDay md = monthDayOf(static_cast<int>(dayOfYear), starts);
  // On 31 December of a Julian leap year the year estimate is one too high and
  // the day of that year comes out 0.
  if (md.month == 0 && md.day == 0) return {year - 1, 12, 31};
  return {year, md.month, md.day};
}

bool isGregorianDay(double year, int month, int day) {
  return year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day > 14)));
}

void prepareOutputYear(RunState& state) {
  state.yearOffset = 0;
  state.year = state.enteredYear > 0 ? state.enteredYear + 0 : state.enteredYear + 1;
  state.computeYearArithmetic();
}

void forEachCalendarDay(RunState& state, MessageBox& messages, bool html,
                        const std::function<void(const CalendarDay&)>& row) {
  const int lastDay = 365 + state.leapDay;
  // The slots after the last day are never walked; a longer year of an earlier
  // run must not leave a holiday there for the in-between rule to find.
  for (int k = lastDay + 1; k < state.dayHoliday.size(); ++k) state.dayHoliday[k].clear();
  SolarMonth solarMonth;
  for (int d = 1; d <= lastDay; ++d) {
    CalendarDay day;
    day.d = d;
    const MonthDay md = monthDayOf(d, state.monthStart);
    day.month = md.month;
    day.day = md.day;
    if (day.day > 31) messages.show("???");
    day.epochDays = state.daysBeforeYear + state.monthStart[day.month] + day.day - 1 - EpochOffset;
    state.epochDays = day.epochDays;
    day.weekday = weekdayIndex(day.epochDays);
    day.gregorian = isGregorianDay(state.year, day.month, day.day);
    day.julian = julianDateOf(state.daysBeforeYear, d);
    addFestivals(state, d, day.month, day.day, html);
    day.senjitsu = senjitsuOf(state, solarMonth, d, day.epochDays, html);
    day.sexagenary = daySexagenary(day.epochDays);
    finishHolidays(state, d, day.epochDays, html);
    day.lunarMonth = lunarMonthNumber(state.dayLunarMonth(1, d));
    day.lunarDay = state.dayMoonAge(1, d);
    day.rokuyo = static_cast<int>(
        Mod(day.lunarDay + 5 + state.names.rokuyoMonthOffset[day.lunarMonth], 6) + 1);
    row(day);
  }
}

std::string calendarPath(const RunState& state, const char* extension) {
  return joinPath(state.programFolder, numberText(state.enteredYear) + "年カレンダー" + extension);
}

bool writeCalendarFile(const std::string& path, const std::string& text, MessageBox& messages, WriteResult& result) {
  result.path = path;
  std::string error;
  if (writeFileAtomically(path, Utf8ByteOrderMark + text, error)) return true;
  result.status = WriteResult::Status::FileFailed;
  result.message = "カレンダーのファイル「" + path + "」を書き込めませんでした（" + error +
                   "）。前からあるファイルは変更されていません。";
  messages.show(result.message);
  return false;
}

}  // namespace ventorel
