#include "output/icalendar.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "astro/day_count.h"
#include "output/text_building.h"

namespace ventorel::ics {

namespace {

constexpr std::size_t MaxLineOctets = 75;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int daysInMonth(std::int64_t year, int month) {
  static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) throw std::out_of_range("month " + std::to_string(month) + " out of 1..12");
  return Days[month - 1] + (month == 2 ? leapDay(static_cast<double>(year)) : 0);
}

void addProperty(std::string& out, std::string_view nameAndParameters, std::string_view value) {
  std::string line(nameAndParameters);
  line += ':';
  line += value;
  out += foldLine(line);
}

}  // namespace

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case ';': out += "\\;"; break;
      case ',': out += "\\,"; break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
        break;
      case '\n': out += "\\n"; break;
      default:
        if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) {
          if (c != 0x7F) out += c;
        }
    }
  }
  return out;
}

std::string foldLine(std::string_view line) {
  std::string out;
  out.reserve(line.size() + line.size() / 64 * 3 + 2);
  std::size_t start = 0;
  bool first = true;
  do {
    // A continuation line's leading blank counts toward its 75 octets.
    const std::size_t room = first ? MaxLineOctets : MaxLineOctets - 1;
    std::size_t end = std::min(line.size(), start + room);
    // Back off to the first byte of a UTF-8 character.
    while (end < line.size() && end > start && isContinuationByte(line[end])) --end;
    if (end == start) end = std::min(line.size(), start + room);  // not UTF-8: cut anyway
    if (!first) out += ' ';
    out.append(line.substr(start, end - start));
    out += "\r\n";
    start = end;
    first = false;
  } while (start < line.size());
  return out;
}

bool representable(const CivilDate& date) { return date.year >= 1 && date.year <= 9999; }

std::optional<std::string> dateValue(const CivilDate& date) {
  if (!representable(date)) return std::nullopt;
  std::string text;
  appendZeroPadded(text, static_cast<int>(date.year), 4);
  appendZeroPadded(text, date.month, 2);
  appendZeroPadded(text, date.day, 2);
  return text;
}

CivilDate nextDay(const CivilDate& date) {
  if (date.day < daysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

std::string utcStamp(std::time_t instant) {
  std::tm utc{};
  gmtime_r(&instant, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
  return text;
}

std::string uid(const CivilDate& date, std::string_view kind, int nthOfKind) {
  std::string out = dateValue(date).value_or("00000000");
  out += '-';
  out += kind;
  if (nthOfKind > 1) out += "-" + std::to_string(nthOfKind);
  out += "@ventorel";
  return out;
}

std::string calendarHead(const Calendar& calendar) {
  std::string out;
  out += "BEGIN:VCALENDAR\r\n";
  addProperty(out, "PRODID", calendar.productId);
  addProperty(out, "VERSION", "2.0");
  addProperty(out, "CALSCALE", "GREGORIAN");
  addProperty(out, "METHOD", "PUBLISH");
  addProperty(out, "X-WR-CALNAME", escapeText(calendar.name));
  addProperty(out, "X-WR-TIMEZONE", escapeText(calendar.timeZone));
  return out;
}

void appendEvents(std::string& out, const std::vector<AllDayEvent>& events, const std::string& stamp,
                  EventCounts& seen) {
  for (const AllDayEvent& event : events) {
    const std::optional<std::string> start = dateValue(event.date);
    if (!start) throw std::out_of_range("year " + std::to_string(event.date.year) + " has no iCalendar date");
    const int nth = ++seen[{*start, event.kind}];
    out += "BEGIN:VEVENT\r\n";
    addProperty(out, "UID", uid(event.date, event.kind, nth));
    addProperty(out, "DTSTAMP", stamp);
    addProperty(out, "DTSTART;VALUE=DATE", *start);
    // The day after 9999-12-31 has no iCalendar date; a day's length says the same.
    if (const std::optional<std::string> end = dateValue(nextDay(event.date)))
      addProperty(out, "DTEND;VALUE=DATE", *end);
    else
      addProperty(out, "DURATION", "P1D");
    addProperty(out, "SUMMARY", escapeText(event.summary));
    if (!event.description.empty()) addProperty(out, "DESCRIPTION", escapeText(event.description));
    if (!event.category.empty()) addProperty(out, "CATEGORIES", escapeText(event.category));
    // Calendar days do not make the user busy.
    addProperty(out, "TRANSP", "TRANSPARENT");
    out += "END:VEVENT\r\n";
  }
}

std::string render(const Calendar& calendar) {
  std::string out = calendarHead(calendar);
  EventCounts seen;
  appendEvents(out, calendar.events, calendar.stamp, seen);
  out += CalendarTail;
  return out;
}

}  // namespace ventorel::ics
