// The chosen year as a CSV file.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The whole text of the CSV file (without the byte-order mark).
std::string csvCalendar(const CalendarYear& year, const BuiltinTables& names);

}  // namespace ventorel
