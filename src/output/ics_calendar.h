// The calendar as iCalendar events, for the calendar apps people already use.
#pragma once

#include <string>
#include <vector>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"
#include "output/icalendar.h"

namespace ventorel {

// The kinds that would put an event on every day or most days, left out unless asked for.
struct IcsInclude {
  bool rokuyo = false;
  bool senjitsu = false;
};

// True when every day of the year has an iCalendar date (years 1..9999).
bool icsRepresentable(const CalendarYear& year);
bool icsRepresentable(double astronomicalYear);

// The events of a year, all-day, in day order: the holiday, the term, the 雑節,
// the festival, the first day of an old-calendar month, then 六曜 and 選日 when
// included. A term or new moon with a known instant shows its time (Japan
// Standard Time) in the summary and the description; every description holds the
// day's old-calendar date. The year must be representable.
std::vector<ics::AllDayEvent> icsEvents(const CalendarYear& year, const BuiltinTables& names, const IcsInclude& include);

// A whole calendar of the events of one or more years; `title` names it in the app.
std::string icsCalendar(const std::string& title, std::vector<ics::AllDayEvent> events, const std::string& stamp);
// The same calendar written as its years are made: this head, then the events
// (ics::appendEvents), then ics::CalendarTail.
std::string icsCalendarHead(const std::string& title);

// "日本の暦 2024", or "日本の暦 2020-2029" for a range (user numbering).
std::string icsTitle(double firstYear, double lastYear);

}  // namespace ventorel
