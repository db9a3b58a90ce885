// One day as `ventorel-cli --date` prints it: every field of the day, one per
// line, a Japanese label, "：" and the value, with the names the files use.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The lines of the day, each ended by "\n". A field the day does not have (no
// holiday, no term) is left out; the date, weekday, 旧暦, 六曜 and 干支 are always there.
std::string dayReport(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names);

}  // namespace ventorel
