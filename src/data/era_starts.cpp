#include "data/era_starts.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "data/historical_months.h"
#include "data/messages.h"
#include "ventorel/date.h"

namespace ventorel {

namespace {

constexpr std::string_view Header = "line,name,kind,first_jdn,first_gregorian,first_old";

// The year an era whose first day is `jdn` counts as its year 1.
std::int64_t yearCountedFrom(std::int64_t jdn) {
  if (const auto day = historicalDay(jdn)) return day->year;
  // Before the table the months are reckoned, and a reign began at a new year;
  // from 1873 the years are Gregorian.
  return dateOf(jdn).year;
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

bool parseInteger(std::string_view s, std::int64_t& value) {
  if (s.empty()) return false;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size();
}

bool hasControlCharacter(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') return true;
  return false;
}

}  // namespace

EraStarts::EraStarts(std::vector<EraStart> starts) : starts_(std::move(starts)) {
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    if (starts_[i].line != EraLine::South) north_.push_back(i);
    if (starts_[i].line != EraLine::North) south_.push_back(i);
  }
}

const EraStart* EraStarts::inForce(std::int64_t jdn, EraLine line) const {
  const std::vector<std::size_t>& order = line == EraLine::South ? south_ : north_;
  const auto after = std::upper_bound(order.begin(), order.end(), jdn,
                                      [this](std::int64_t day, std::size_t i) { return day < starts_[i].firstJdn; });
  return after == order.begin() ? nullptr : &starts_[*(after - 1)];
}

EraStartsReading readEraStarts(std::string_view bytes) {
  EraStartsReading reading;
  reading.problem.file = EraStartsFileName;
  auto fail = [&](int line, std::string what) {
    reading.problem.line = line;
    reading.problem.message = std::move(what);
    reading.starts = EraStarts();
    return reading;
  };
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<EraStart> starts;
  std::map<EraLine, std::int64_t> lastOnLine;
  int lineNumber = 0;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (hasControlCharacter(line)) return fail(lineNumber, messages::ControlCharacter);
    if (lineNumber == 1) {
      if (line != Header) return fail(1, messages::headerLineIsNot(Header));
      continue;
    }
    if (line.empty()) continue;
    const std::vector<std::string_view> f = splitFields(line);
    if (f.size() != 6) return fail(lineNumber, messages::fieldCountIsNot(f.size(), 6));
    EraStart start;
    start.fileLine = lineNumber;
    if (f[0] == "both") start.line = EraLine::Both;
    else if (f[0] == "north") start.line = EraLine::North;
    else if (f[0] == "south") start.line = EraLine::South;
    else return fail(lineNumber, messages::LineIsNotBothNorthSouth);
    if (f[1].empty()) return fail(lineNumber, messages::NameIsEmpty);
    start.name = std::string(f[1]);
    if (f[2] != "era" && f[2] != "reign") return fail(lineNumber, messages::KindIsNotEraOrReign);
    start.reign = f[2] == "reign";
    const std::optional<Date> gregorian = parseIsoDate(f[4]);
    if (!parseInteger(f[3], start.firstJdn) || !gregorian || !gregorian->ok() || jdnOf(*gregorian) != start.firstJdn)
      return fail(lineNumber, messages::JdnAndDateDisagree);
    for (const EraLine l : {EraLine::North, EraLine::South}) {
      if (start.line != EraLine::Both && start.line != l) continue;
      const auto last = lastOnLine.find(l);
      if (last != lastOnLine.end() && last->second >= start.firstJdn)
        return fail(lineNumber, messages::FirstDayNotAfterStart);
      lastOnLine[l] = start.firstJdn;
    }
    starts.push_back(std::move(start));
  }
  if (starts.empty()) return fail(lineNumber, messages::NoEra);
  // An era counts its years from its first start on either line.
  std::map<std::string, std::int64_t> firstYear;
  for (const EraStart& start : starts) firstYear.try_emplace(start.name, yearCountedFrom(start.firstJdn));
  for (EraStart& start : starts) start.firstYear = firstYear.at(start.name);
  reading.starts = EraStarts(std::move(starts));
  reading.problem.message.clear();
  return reading;
}

}  // namespace ventorel
