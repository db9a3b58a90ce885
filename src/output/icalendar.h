// iCalendar (RFC 5545) text: escaped values, folded content lines, and a whole
// VCALENDAR of all-day events. Knows nothing of the calendar's days; a renderer
// turns a year into AllDayEvents and hands them here.
#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ventorel::ics {

// A TEXT value: backslash, semicolon and comma escaped with a backslash, every
// line break (CR LF, LF or CR) written as "\n". Other control characters are not
// allowed in a TEXT value and are dropped.
std::string escapeText(std::string_view text);

// One content line (without its line break) folded so that no line exceeds 75
// octets: each continuation line starts with one blank. A UTF-8 character is never
// split across lines. Every line, the last included, ends in CR LF.
std::string foldLine(std::string_view line);

// A proleptic Gregorian date. iCalendar dates have four-digit years, so only the
// years 1..9999 can be written.
struct CivilDate {
  std::int64_t year = 0;
  int month = 1;
  int day = 1;
};

// True when the date's year fits an iCalendar DATE (1..9999).
bool representable(const CivilDate& date);

// "20240204" for 2024-02-04; none for a year outside 1..9999.
std::optional<std::string> dateValue(const CivilDate& date);

// The day after the date (the exclusive end of an all-day event).
CivilDate nextDay(const CivilDate& date);

// A UTC instant as a DATE-TIME value, "20240204T081500Z".
std::string utcStamp(std::time_t instant);

struct AllDayEvent {
  CivilDate date;
  std::string kind;         // ASCII word naming the kind in the UID ("holiday", "term", ...)
  std::string category;     // the CATEGORIES text (祝日, 二十四節気, ...)
  std::string summary;      // what the calendar app shows on the day
  std::string description;  // may hold line breaks
};

struct Calendar {
  std::string name;      // X-WR-CALNAME: the name an app gives the imported calendar
  std::string timeZone;  // X-WR-TIMEZONE, e.g. "Asia/Tokyo"
  std::string productId; // PRODID, e.g. "-//Ventorel//Ventorel 1.2//JA"
  std::string stamp;     // DTSTAMP of every event (utcStamp of the run)
  std::vector<AllDayEvent> events;
};

// The UID of an event: date and kind, and for the second and later event of one
// kind on one day their number ("20240921-zassetsu-2@ventorel"). The same year
// exported again gives the same UIDs, so an app replaces the events it imported
// before instead of adding them twice.
std::string uid(const CivilDate& date, std::string_view kind, int nthOfKind);

// The whole calendar as iCalendar text (CR LF line breaks, folded lines). Events
// are written in the order given; the UID numbering counts events of one kind and
// day in that order. Every event's date must be representable.
std::string render(const Calendar& calendar);

// The same text in parts, for a calendar written as its events are made:
// calendarHead, then appendEvents for each part of the events in order, with one
// EventCounts for all the parts that may share a day, then CalendarTail.
using EventCounts = std::map<std::pair<std::string, std::string>, int>;  // (date, kind) -> events so far
std::string calendarHead(const Calendar& calendar);  // its events and stamp are not used
void appendEvents(std::string& out, const std::vector<AllDayEvent>& events, const std::string& stamp,
                  EventCounts& seen);
inline constexpr std::string_view CalendarTail = "END:VCALENDAR\r\n";

}  // namespace ventorel::ics
