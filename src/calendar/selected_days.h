// The festivals (節句 and related days) and the selected days (選日) of a day.
#pragma once

#include "astro/sexagenary.h"
#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"
#include "data/solar_term.h"

namespace ventorel {

// The festival of Gregorian month m, day dd, if any.
Festival festivalOn(int m, int dd);

// The solar month (節月) carried from day to day through the year: 0 until the
// first sectional term of the year has been found, then 1..12.
struct SolarMonth {
  int value = 0;
};

// The terms of days 1..20 of the year, where the solar month of the days before
// the year's first term is looked up (-1 for a day without a term).
using EarlyTerms = int[21];

// Updates the solar month for day d (whose term, if any, is `term`) and returns the
// day's selected days, given its sexagenary sign and its old-calendar month number
// (0 for none) and day. With `almanacTable` the 一粒万倍日 follow the almanacs'
// common table (子 and 未 in the 申 month), else the classic files' (子 only there).
Senjitsu senjitsuOf(const BuiltinTables& names, SolarMonth& solarMonth, const EarlyTerms& earlyTerms, int term,
                    Sexagenary day, int lunarMonth, int lunarDay, bool almanacTable = false);

}  // namespace ventorel
