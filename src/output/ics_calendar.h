// The calendar as iCalendar events, for the calendar apps people already use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"
#include "output/icalendar.h"

namespace ventorel {

// The kinds that would put an event on every day or most days, left out unless asked for.
struct IcsInclude {
  bool rokuyo = false;
  bool senjitsu = false;
  bool kou = false;      // the 七十二候 on the day each begins (true basis)
  bool rekichu = false;  // an event a day with its 暦注, which every event's description then carries too
};

// True when every day of the year has an iCalendar date (years 1..9999).
bool icsRepresentable(const CalendarYear& year);
bool icsRepresentable(double astronomicalYear);

// The events of a year, all-day, in day order: the holiday, the term, the 雑節,
// the festival, the first day of an old-calendar month, then 六曜 and 選日 when
// included. A term or new moon with a known instant shows its time (Japan
// Standard Time) in the summary and the description; every description holds the
// day's old-calendar date. The year must be representable. They are written
// straight into a calendar's text (ics::EventWriter), as the parts of a calendar
// written as its years are made: icsCalendarHead, then these for each year, then
// ics::CalendarTail.
void appendIcsEvents(std::string& out, const CalendarYear& year, const BuiltinTables& names, const IcsInclude& include,
                     std::string_view stamp, ics::EventCounts& seen);
std::string icsCalendarHead(const std::string& title);

// The calendar of the events of one year; `title` names it in the app.
std::string icsCalendar(const std::string& title, const CalendarYear& year, const BuiltinTables& names,
                        const IcsInclude& include, std::string_view stamp);

// "日本の暦 2024", or "日本の暦 2020-2029" for a range (user numbering).
std::string icsTitle(double firstYear, double lastYear);

}  // namespace ventorel
