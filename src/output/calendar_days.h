// What the HTML and the CSV writer share: the walk over the chosen year with
// each day's Gregorian and Julian date, festivals, selected days, sexagenary day
// and finished holiday, the file name, the year sign, and the file write.
#pragma once

#include <functional>
#include <string>

#include "app/run_state.h"
#include "output/selected_days.h"
#include "output/write_result.h"
#include "platform/message_box.h"

namespace ventorel {

// A Julian calendar date.
struct JulianDate {
  double year;
  int month;
  int day;
};

// The Julian date of day d (1 = 1 January) of the Gregorian year that starts
// `daysBeforeYear` days after 1 January of year 1.
JulianDate julianDateOf(double daysBeforeYear, int d);

// True for the days the calendar shows in the Gregorian calendar: from 1582-10-15 on.
bool isGregorianDay(double year, int month, int day);

// One day of the chosen year as the writers put it in a row.
struct CalendarDay {
  int d;          // 1..366
  int month;      // proleptic Gregorian month and day
  int day;
  double epochDays;
  int weekday;    // 0 = Sunday
  bool gregorian;
  JulianDate julian;
  int lunarMonth;  // old-calendar month number, the leap mark dropped
  int lunarDay;
  int rokuyo;      // 1..6
  Sexagenary sexagenary;
  std::string senjitsu;
};

// Sets `year` from `enteredYear` (astronomical numbering) and reads every table
// for the chosen year.
void prepareOutputYear(RunState& state);

// Walks d = 1 .. 365 + leapDay of the chosen year: festivals and selected days in
// the form of the page (html) or the CSV file, the holidays finished, then `row`.
void forEachCalendarDay(RunState& state, MessageBox& messages, bool html,
                        const std::function<void(const CalendarDay&)>& row);

// programFolder + the year with its leading blank or minus sign + "年カレンダー" + extension.
std::string calendarPath(const RunState& state, const char* extension);

// Writes the text as UTF-8 with a byte-order mark through a temporary file that
// replaces the old one only when complete. On failure shows a message naming the
// file and the reason and returns false with `result` set to FileFailed.
bool writeCalendarFile(const std::string& path, const std::string& text, MessageBox& messages, WriteResult& result);

}  // namespace ventorel
