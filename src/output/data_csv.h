// The chosen year of the true basis as a data table for a spreadsheet: one
// header row of plain names, then one row a day, dates in ISO form, numbers as
// numbers and the lists of names separated by "・".
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The whole text of the file (without the byte-order mark): CR LF line ends, text
// fields in double quotes, number fields bare.
std::string dataCsv(const CalendarYear& year, const BuiltinTables& names);

}  // namespace ventorel
