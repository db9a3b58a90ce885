// A month at a glance, as the window's month view shows it: six weeks of seven
// days from the Sunday on or before the 1st, each day with the few texts a cell
// has room for. Made from the engine's year; the cells of the weeks' days outside
// the month carry only their date.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/builtin_tables.h"
#include "ventorel/calendar.h"

namespace ventorel {

struct MonthCell {
  Date date;             // proleptic Gregorian
  bool inMonth = false;  // a day of the month shown (the others are only dated)
  int weekday = 0;       // 0 = Sunday
  std::string rokuyo;    // 先勝 .. 赤口
  std::string oldDate;   // 旧11/20; the first of an old month in full: 旧12月1日, 旧閏4月1日
  std::string holiday;   // the national holiday's name, 振替休日 and 国民の休日 included
  std::string note;      // the solar term, else the 雑節 and the festival: 立夏, 八十八夜
  bool newMoon = false;  // 朔
};

struct MonthSheet {
  Status status = Status::Ok;
  std::string message;
  std::int64_t year = 0;  // astronomical
  int month = 1;
  std::string title;      // 2024年5月
  std::string eraTitle;   // the Japanese year of the month's first day: 令和6年; each court's in 1331..1392
  std::vector<MonthCell> cells;  // 42
  bool ok() const { return status == Status::Ok; }
};

// The heading of a day's record: "2024年5月6日（月）" and its Japanese date(s) with
// the holiday: "令和6年5月6日　振替休日".
struct DayHeading {
  std::string date;
  std::string detail;
};
DayHeading dayHeading(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names);

// The sheet of a month (1..12) of an astronomical year.
MonthSheet monthSheet(const Engine& engine, std::int64_t year, int month, Basis basis = Basis::True);

// The month `count` months after (before, when negative) the month of `date`,
// with the day kept where the month has it and else its last day.
Date monthsLater(const Date& date, int count);

// The year as the user numbers it: "2024", "-660" (660 BC).
std::string userYearText(std::int64_t astronomicalYear);

}  // namespace ventorel
