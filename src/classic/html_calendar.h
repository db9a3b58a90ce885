// The chosen year as one HTML page with encyclopedia links.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The whole text of the page file (without the byte-order mark).
std::string htmlCalendar(const CalendarYear& year, const BuiltinTables& names);

}  // namespace ventorel
