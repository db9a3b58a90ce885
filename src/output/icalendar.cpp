#include "output/icalendar.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "astro/day_count.h"
#include "output/text_building.h"

namespace ventorel::ics {

namespace {

constexpr std::size_t MaxLineOctets = 75;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int monthLength(std::int64_t year, int month) {
  if (month < 1 || month > 12) throw std::out_of_range("month " + std::to_string(month) + " out of 1..12");
  return daysInMonth(year, month);
}

// The bytes not written as they are in a TEXT value: backslash, semicolon, comma,
// and the control characters but tab.
constexpr std::array<bool, 256> NeedsEscape = [] {
  std::array<bool, 256> needs{};
  for (std::size_t c = 0; c < 0x20; ++c) needs[c] = c != '\t';
  for (const char c : {'\\', ';', ',', '\x7f'}) needs[static_cast<unsigned char>(c)] = true;
  return needs;
}();

bool needsEscape(char c) { return NeedsEscape[static_cast<unsigned char>(c)]; }

// Appends a TEXT value, escaped as escapeText says. Runs of plain bytes, usually
// the whole text, are copied at once.
void appendEscaped(std::string& out, std::string_view text) {
  std::size_t plain = 0;  // where the bytes not yet copied begin
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!needsEscape(c)) continue;
    out.append(text.data() + plain, i - plain);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case ';': out += "\\;"; break;
      case ',': out += "\\,"; break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        [[fallthrough]];
      case '\n': out += "\\n"; break;
      default: break;  // any other control character is dropped
    }
    plain = i + 1;
  }
  out.append(text.data() + plain, text.size() - plain);
}

// Folds the content line that starts at `lineStart` and runs to the end of `out`,
// where it stands, and ends it with CR LF. Most lines are short and stay as they are.
void endLine(std::string& out, std::size_t lineStart) {
  std::size_t start = lineStart;
  std::size_t room = MaxLineOctets;
  while (out.size() - start > room) {
    std::size_t end = start + room;
    // Back off to the first byte of a UTF-8 character.
    while (end > start && isContinuationByte(out[end])) --end;
    if (end == start) end = start + room;  // not UTF-8: cut anyway
    out.insert(end, "\r\n ");
    start = end + 3;
    // A continuation line's leading blank counts toward its 75 octets.
    room = MaxLineOctets - 1;
  }
  out += "\r\n";
}

// The DATE value of a representable date, "20240204".
std::array<char, 8> dateDigits(const CivilDate& date) {
  std::array<char, 8> digits{};
  auto put = [&digits](std::size_t end, std::size_t width, std::int64_t n) {
    for (std::size_t i = end; i > end - width; --i, n /= 10) digits[i - 1] = static_cast<char>('0' + n % 10);
  };
  put(4, 4, date.year);
  put(6, 2, date.month);
  put(8, 2, date.day);
  return digits;
}

std::string_view view(const std::array<char, 8>& digits) { return {digits.data(), digits.size()}; }

void appendUid(std::string& out, std::string_view date, std::string_view kind, int nthOfKind) {
  appendPieces(out, date, "-", kind);
  if (nthOfKind > 1) {
    out += '-';
    appendZeroPadded(out, nthOfKind, 1);
  }
  out += "@ventorel";
}

// One function per kind of property: each writes the whole folded line.

void addProperty(std::string& out, std::string_view nameAndParameters, std::string_view value) {
  const std::size_t lineStart = out.size();
  appendPieces(out, nameAndParameters, ":", value);
  endLine(out, lineStart);
}

void addText(std::string& out, std::string_view name, std::string_view text) {
  const std::size_t lineStart = out.size();
  appendPieces(out, name, ":");
  appendEscaped(out, text);
  endLine(out, lineStart);
}

void addUid(std::string& out, std::string_view date, std::string_view kind, int nthOfKind) {
  const std::size_t lineStart = out.size();
  out += "UID:";
  appendUid(out, date, kind, nthOfKind);
  endLine(out, lineStart);
}

}  // namespace

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text);
  return out;
}

std::string foldLine(std::string_view line) {
  std::string out;
  out.reserve(line.size() + line.size() / 64 * 3 + 2);
  out.append(line);
  endLine(out, 0);
  return out;
}

bool representable(const CivilDate& date) { return date.year >= 1 && date.year <= 9999; }

std::optional<std::string> dateValue(const CivilDate& date) {
  if (!representable(date)) return std::nullopt;
  return std::string(view(dateDigits(date)));
}

CivilDate nextDay(const CivilDate& date) {
  if (date.day < monthLength(date.year, date.month)) return {date.year, date.month, date.day + 1};
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
  std::string out;
  appendUid(out, representable(date) ? view(dateDigits(date)) : "00000000", kind, nthOfKind);
  return out;
}

int EventCounts::next(const CivilDate& date, std::string_view kind) {
  const std::int64_t day = date.year * 10000 + date.month * 100 + date.day;
  const auto known = std::find(kinds_.begin(), kinds_.end(), kind);
  const auto k = static_cast<std::size_t>(known - kinds_.begin());
  if (known == kinds_.end()) kinds_.emplace_back(kind);
  auto before = [](const Count& count, std::pair<std::int64_t, std::size_t> key) {
    return std::pair(count.day, count.kind) < key;
  };
  auto at = counts_.end();
  if (!counts_.empty() && !before(counts_.back(), {day, k}))
    at = std::lower_bound(counts_.begin(), counts_.end(), std::pair(day, k), before);
  if (at != counts_.end() && at->day == day && at->kind == k) return ++at->events;
  counts_.insert(at, Count{day, k, 1});
  return 1;
}

EventWriter::EventWriter(std::string& out, std::string_view stamp, EventCounts& seen) : out_(out), seen_(seen) {
  addProperty(stampLine_, "DTSTAMP", stamp);
}

void EventWriter::write(const EventText& event) {
  if (!representable(event.date))
    throw std::out_of_range("year " + std::to_string(event.date.year) + " has no iCalendar date");
  const int nth = seen_.next(event.date, event.kind);
  const std::array<char, 8> start = dateDigits(event.date);
  out_ += "BEGIN:VEVENT\r\n";
  addUid(out_, view(start), event.kind, nth);
  out_ += stampLine_;
  addProperty(out_, "DTSTART;VALUE=DATE", view(start));
  // The day after 9999-12-31 has no iCalendar date; a day's length says the same.
  if (const CivilDate end = nextDay(event.date); representable(end))
    addProperty(out_, "DTEND;VALUE=DATE", view(dateDigits(end)));
  else
    addProperty(out_, "DURATION", "P1D");
  addText(out_, "SUMMARY", event.summary);
  if (!event.description.empty()) addText(out_, "DESCRIPTION", event.description);
  if (!event.category.empty()) addText(out_, "CATEGORIES", event.category);
  // Calendar days do not make the user busy.
  out_ += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
}

std::string calendarHead(const CalendarProperties& calendar) {
  std::string out;
  out += "BEGIN:VCALENDAR\r\n";
  addProperty(out, "PRODID", calendar.productId);
  addProperty(out, "VERSION", "2.0");
  addProperty(out, "CALSCALE", "GREGORIAN");
  addProperty(out, "METHOD", "PUBLISH");
  addText(out, "X-WR-CALNAME", calendar.name);
  addText(out, "X-WR-TIMEZONE", calendar.timeZone);
  return out;
}

}  // namespace ventorel::ics
