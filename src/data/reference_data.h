// Everything the calendar reads but never changes: the built-in names, the orbit
// elements, and the tables of the data files. Loaded once at start-up and then
// only read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/builtin_tables.h"
#include "data/checked_table.h"
#include "data/era_lookup.h"
#include "data/era_starts.h"
#include "data/holiday_law.h"
#include "data/value.h"

namespace ventorel {

inline constexpr int NewMoonRows = 2461;  // every new moon 1901..2099

// "shuku.dat": fixed-date holidays (rows from 1: month, day, name) and n-th-Monday
// rules (later rows: rule, name), row numbers running on across both sections.
struct HolidayFile {
  Table2D<Value, 3, 21> holidayDate{"holidayDate"};  // (1, i) month, (2, i) day
  Table<std::string, 21> holidayName{"holidayName"};
  Table<std::string, 21> holidayRule{"holidayRule"};
};

// A row of "singetu.dat": the day of a new moon, Gregorian, Japan Standard Time.
struct NewMoonDate {
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const NewMoonDate&) const = default;
};

// "singetu.dat": the day of every new moon 1901..2099, rows from 1; a row not read holds none.
using NewMoonTable = Table<std::optional<NewMoonDate>, NewMoonRows + 1>;

struct ReferenceData {
  BuiltinTables names;
  OrbitElements orbit;
  HolidayFile holidays;
  // "holiday_law.dat": the 祝祭日 and the holiday law of every day since 1873. Set only when
  // the whole file was read without a problem; otherwise lawComplete stays false
  // and the calendar falls back to the holidays of "shuku.dat".
  HolidayLaw holidayLaw;
  bool lawComplete = false;
  EraList eras;             // "gen1.dat": the eras of the (northern) court
  EraList secondCourtEras;  // "gen2.dat": the southern court's eras, 1331..1392
  NewMoonTable newMoonTable{"newMoonTable"};
  // "era_starts.dat": the first day of every era and reign-year count of both
  // courts, for the Japanese date of each day. Empty when the file was not read whole.
  EraStarts eraStarts;
  // The data files that were missing or could not be read when loading (their
  // names, "holiday_law.dat"); a damaged file that was read is not among them.
  std::vector<std::string> unreadFiles;
};

}  // namespace ventorel
