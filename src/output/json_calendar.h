// The calendar as data: one JSON document per year, laid out as
// docs/calendar-year.schema.json describes.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// "2024-02-04"; years outside 0000..9999 carry their sign ("-0659-01-01",
// "+1000000-01-01"). The year is astronomical (0 is 1 BC), as ISO 8601 counts.
std::string isoDate(double year, int month, int day);
// The same date appended to `out`.
void appendIsoDate(std::string& out, double year, int month, int day);

// The year's document on one line, without a line break (so that a range makes
// JSON Lines).
std::string jsonCalendar(const CalendarYear& year, const BuiltinTables& names);

// One day's object of the year's document, on one line.
std::string jsonDay(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names);

}  // namespace ventorel
