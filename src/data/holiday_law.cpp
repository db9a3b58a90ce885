#include "data/holiday_law.h"

#include <array>
#include <optional>

#include "data/checked_table.h"
#include "data/messages.h"
#include "data/text_encoding.h"
#include "ventorel/date.h"

namespace ventorel {

const HolidayRule& HolidayLaw::rule(std::int64_t i) const {
  if (i < 0 || i >= static_cast<std::int64_t>(rules_.size()))
    throw TableBoundsError("holiday law", i, static_cast<std::int64_t>(rules_.size()) - 1);
  return rules_[static_cast<std::size_t>(i)];
}

namespace {

constexpr std::size_t MaxNameBytes = 200;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The next blank-separated field of `rest`, which is advanced past it.
std::string_view nextField(std::string_view& rest) {
  std::size_t i = 0;
  while (i < rest.size() && isBlank(rest[i])) ++i;
  std::size_t end = i;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  const std::string_view field = rest.substr(i, end - i);
  rest.remove_prefix(end);
  return field;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A field quoted for a message; long fields are not repeated.
std::string quoted(std::string_view field) {
  return field.size() <= 32 ? "\"" + std::string(field) + "\"" : std::string(messages::LongField);
}

// The value of exactly `count` decimal digits, none if anything else.
std::optional<int> digits(std::string_view s, std::size_t count) {
  if (s.size() != count) return std::nullopt;
  int value = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// "YYYY-MM-DD" as YYYYMMDD.
std::optional<LawDate> parseDate(std::string_view s) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
  const auto y = digits(s.substr(0, 4), 4), m = digits(s.substr(5, 2), 2), d = digits(s.substr(8, 2), 2);
  if (!y || !m || !d || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > daysInMonth(*y, *m)) return std::nullopt;
  return *y * 10000 + *m * 100 + *d;
}

// The rule column into `rule`'s kind, month and day; an error message if it is none.
std::optional<std::string> parseRule(std::string_view s, HolidayRule& rule) {
  static constexpr struct {
    std::string_view word;
    HolidayRuleKind kind;
  } Words[] = {
      {"spring-equinox", HolidayRuleKind::SpringEquinox},
      {"autumn-equinox", HolidayRuleKind::AutumnEquinox},
      {"once", HolidayRuleKind::SingleDate},
      {"substitute-monday", HolidayRuleKind::SubstituteMonday},
      {"substitute-next-free", HolidayRuleKind::SubstituteNextFree},
      {"between-except-sunday", HolidayRuleKind::BetweenExceptSunday},
      {"between", HolidayRuleKind::Between},
  };
  for (const auto& w : Words)
    if (s == w.word) {
      rule.kind = w.kind;
      return std::nullopt;
    }
  const auto month = s.size() >= 3 && s[2] == '-' ? digits(s.substr(0, 2), 2) : std::nullopt;
  if (!month || *month < 1 || *month > 12) return messages::unknownRule(quoted(s));
  rule.month = *month;
  if (s.size() == 5) {  // MM-DD
    const auto day = digits(s.substr(3), 2);
    // 29 February is a possible holiday date; it falls only in leap years.
    if (!day || *day < 1 || *day > daysInMonth(2000, *month)) return messages::noSuchDay(quoted(s));
    rule.kind = HolidayRuleKind::FixedDate;
    rule.day = *day;
    return std::nullopt;
  }
  const auto n = s.size() == 7 && s.substr(3, 3) == "Mon" ? digits(s.substr(6), 1) : std::nullopt;
  if (!n || *n < 1 || *n > 5) return messages::unknownRule(quoted(s));
  rule.kind = HolidayRuleKind::NthMonday;
  rule.day = *n;
  return std::nullopt;
}

// One rule line; an error message if it is damaged.
std::optional<std::string> parseLine(std::string_view line, HolidayRule& rule) {
  std::string_view rest = line;
  const std::string_view fromText = nextField(rest), toText = nextField(rest), ruleText = nextField(rest);
  const std::string_view name = trimmed(rest);
  if (name.empty()) return messages::FourColumnsExpected;
  const auto from = parseDate(fromText);
  if (!from) return messages::notADate(quoted(fromText));
  const auto to = toText == "-" ? std::optional<LawDate>(OpenEnd) : parseDate(toText);
  if (!to) return messages::notADateNorDash(quoted(toText));
  if (*to < *from) return messages::RuleEndsBeforeItBegins;
  if (auto error = parseRule(ruleText, rule)) return error;
  if (rule.kind == HolidayRuleKind::SingleDate && *to != *from) return messages::SingleDayNeedsOneDate;
  if (name.size() > MaxNameBytes) return messages::nameLongerThan(MaxNameBytes);
  for (const char ch : name)
    if (const auto c = static_cast<unsigned char>(ch); c < 0x20 || c == 0x7f) return messages::NameHoldsControlCharacter;
  rule.from = *from;
  rule.to = *to;
  rule.name = std::string(name);
  return std::nullopt;
}

}  // namespace

HolidayLawReading readHolidayLaw(std::string_view bytes, std::string_view fileName) {
  HolidayLawReading reading;
  const std::string file(fileName);
  auto damaged = [&](int line, std::string message) {
    if (reading.problemCount++ < MaxKeptProblems) reading.problems.push_back({file, line, std::move(message)});
  };
  const std::optional<std::string> text = dataFileText(bytes);
  if (!text) {
    damaged(0, messages::NotDecodable);
    return reading;
  }
  std::vector<HolidayRule> rules;
  std::string_view rest = *text;
  for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (hasControlCharacter(line)) {  // comments included: a NUL or an escape is damage anywhere
      damaged(lineNumber, messages::ControlCharacter);
      continue;
    }
    line = trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    if (rules.size() == MaxHolidayRules) {
      damaged(lineNumber, messages::tooManyRules(MaxHolidayRules));
      break;
    }
    HolidayRule rule{};
    if (auto error = parseLine(line, rule)) {
      damaged(lineNumber, std::move(*error));
      continue;
    }
    rule.line = lineNumber;
    rules.push_back(std::move(rule));
  }
  if (rules.empty() && reading.problemCount == 0) damaged(0, messages::NoRule);
  reading.law = HolidayLaw(std::move(rules));
  return reading;
}

}  // namespace ventorel
