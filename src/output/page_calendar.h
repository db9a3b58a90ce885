// The chosen year as a page to read and print: a valid HTML5 document with the
// classic page's information, links and column order, one embedded stylesheet,
// a heading at each month, and links to the neighbouring years' pages.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The whole text of the page file (without the byte-order mark).
std::string pageCalendar(const CalendarYear& year, const BuiltinTables& names);

// The address of the page of the year `step` years away (user numbering, no year
// 0) in the same folder: its file name (as the true basis names it),
// percent-encoded.
std::string neighbourPageHref(double enteredYear, int step);

}  // namespace ventorel
