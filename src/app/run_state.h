// Everything a generation run reads and writes, held in one object that lives as
// long as the program (the window or the command line owns it).
//
// The per-day tables keep their contents between runs: each pass clears a day's
// entries as its walk reaches that day, so only the file, the drawing and
// `outputFormat` carry over from one run to the next.
#pragma once

#include <optional>
#include <string>

#include "astro/day_count.h"
#include "data/builtin_tables.h"
#include "data/checked_table.h"
#include "data/era_lookup.h"
#include "data/value.h"

namespace ventorel {

inline constexpr int DaysPerSlot = 367;   // day 0..366
inline constexpr int NewMoonRows = 2461;  // every new moon 1901..2099

template <typename T>
using DayTable = Table2D<T, 3, DaysPerSlot>;  // [slot 0..2][day 0..366]

struct RunState {
  // Vocabulary and orbit elements.
  BuiltinTables names;
  OrbitTables orbit;

  // Reference tables read from the data files.
  std::string programFolder;
  Table2D<Value, 3, 21> holidayDate{"holidayDate"};  // (1, i) month, (2, i) day
  Table<std::string, 21> holidayName{"holidayName"};
  Table<std::string, 21> holidayRule{"holidayRule"};
  EraTable eraTable{"eraTable"};
  int eraRowCount = 0;  // rows 1..eraRowCount were read
  EraTable periodTable{"periodTable"};
  int periodRowCount = 0;
  Table2D<Value, NewMoonRows + 1, 4> newMoonTable{"newMoonTable"};  // (r, 1..3) year, month, day
  Value outputFormat;  // 0 = HTML, 1 = CSV; unset until "ini.dat" or a run sets it

  // Per-day tables of the three years of a run.
  DayTable<std::string> dayNotePlain{"dayNotePlain"};
  DayTable<std::string> dayNoteHtml{"dayNoteHtml"};
  DayTable<std::string> dayMoonMark{"dayMoonMark"};
  DayTable<std::string> dayLunarMonth{"dayLunarMonth"};
  DayTable<std::string> dayLunarNote{"dayLunarNote"};
  DayTable<int> dayMoonAge{"dayMoonAge"};
  DayTable<int> dayTermIndex{"dayTermIndex"};
  Table<std::string, 369> dayHoliday{"dayHoliday"};  // the chosen year only, day 0..368

  // Per-year tables.
  Table2D<int, 3, 25> termDay{"termDay"};        // [slot][k]: day of solar term k
  Table2D<int, 3, 15> newMoonDay{"newMoonDay"};  // [slot][n]: day of the n-th new moon, n from 1
  Table<int, 3> yearEndMoonAge{"yearEndMoonAge"};
  Table<std::string, 43> lunarMonthSeq{"lunarMonthSeq"};  // month names of the lunations, 1..

  // The current pass's year arithmetic.
  MonthStarts monthStart{"monthStart"};
  double daysBeforeYear = 0;
  int leapDay = 0;
  double epochDays = 0;
  double tYears = 0;  // tropical years since 1982-08-18 15:00 UT

  // The run's inputs and numbering.
  std::string lineBuffer;
  std::string enteredYearText;  // the year box as typed
  double enteredYear = 0;       // its number, user numbering (no year 0)
  double year = 0;              // the year being worked on, astronomical numbering
  double baseYear = 0;          // the chosen year, astronomical numbering
  int startMonth = 1, startDay = 1, startHour = 0, startMinute = 0;
  int yearOffset = 0;  // -1, 0, +1
  int yearSlot() const { return yearOffset + 1; }

  // New-moon source of the run.
  int useNewMoonTable = 0;
  std::optional<int> newMoonRow;  // unset addresses row 0, which holds nothing

  // Values that one phase leaves for a later one.
  int nextTerm = 0;     // the term the Sun walk waits for; the month numbering starts from it
  int nyubaiDay = 0;    // first day of the chosen year with the Sun between 80 and 81 degrees
  int hangeshoDay = 0;  // ... between 100 and 101 degrees

  // Recomputes daysBeforeYear, leapDay and monthStart for `year`.
  void computeYearArithmetic();
};

}  // namespace ventorel
