// iCalendar (RFC 5545) text: escaped values, folded content lines, and a whole
// VCALENDAR of all-day events. Knows nothing of the calendar's days; a renderer
// hands a year's events to an EventWriter as it makes them.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
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

// The properties of a whole calendar.
struct CalendarProperties {
  std::string name;      // X-WR-CALNAME: the name an app gives the imported calendar
  std::string timeZone;  // X-WR-TIMEZONE, e.g. "Asia/Tokyo"
  std::string productId; // PRODID, e.g. "-//Ventorel//Ventorel 1.2//JA"
};

// The UID of an event: date and kind, and for the second and later event of one
// kind on one day their number ("20240921-zassetsu-2@ventorel"). The same year
// exported again gives the same UIDs, so an app replaces the events it imported
// before instead of adding them twice.
std::string uid(const CivilDate& date, std::string_view kind, int nthOfKind);

// How many events of each kind each day has had so far: the numbers in the UIDs.
// One EventCounts serves every part of a calendar that may share a day.
class EventCounts {
 public:
  // Counts one more event of the kind on the day and returns its number, from 1.
  int next(const CivilDate& date, std::string_view kind);

 private:
  struct Count {
    std::int64_t day;  // the date as 20240921
    std::size_t kind;  // index in kinds_
    int events;
  };
  // Sorted by day, then kind. A year's events come in day order, so a new day is
  // added at the end.
  std::vector<Count> counts_;
  std::vector<std::string> kinds_;
};

// An event as the writer takes it; its texts need to live only while it is written.
struct EventText {
  CivilDate date;
  std::string_view kind;
  std::string_view category;
  std::string_view summary;
  std::string_view description;  // may hold line breaks; none written when empty
};

// Writes VEVENTs at the end of a calendar's text, straight into it: no event is
// held as strings of its own. The date must be representable.
class EventWriter {
 public:
  EventWriter(std::string& out, std::string_view stamp, EventCounts& seen);
  void write(const EventText& event);

 private:
  std::string& out_;
  std::string stampLine_;  // the DTSTAMP line, the same in every event
  EventCounts& seen_;
};

// A calendar's text is written in parts, as its events are made: calendarHead,
// then the events of each part in order through an EventWriter (CR LF line
// breaks, folded lines), with one EventCounts for all the parts that may share a
// day, then CalendarTail.
std::string calendarHead(const CalendarProperties& calendar);
inline constexpr std::string_view CalendarTail = "END:VCALENDAR\r\n";

}  // namespace ventorel::ics
