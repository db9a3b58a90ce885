#include "app/date_text.h"

#include <array>
#include <charconv>

#include "app/year_text.h"

namespace ventorel {

namespace {

constexpr std::string_view IdeographicBlank = "\u3000";

// The kanji numerals and their values; 十 百 千 multiply the digit before them.
struct Numeral {
  std::string_view text;
  int value;
  bool multiplier;
};
constexpr std::array<Numeral, 14> Numerals{{{"〇", 0, false}, {"零", 0, false}, {"一", 1, false}, {"二", 2, false},
                                            {"三", 3, false}, {"四", 4, false}, {"五", 5, false}, {"六", 6, false},
                                            {"七", 7, false}, {"八", 8, false}, {"九", 9, false}, {"十", 10, true},
                                            {"百", 100, true}, {"千", 1000, true}}};

std::string_view trimmed(std::string_view text) {
  while (true) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    else if (text.substr(0, IdeographicBlank.size()) == IdeographicBlank) text.remove_prefix(IdeographicBlank.size());
    else break;
  }
  while (true) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    else if (text.size() >= IdeographicBlank.size() &&
             text.substr(text.size() - IdeographicBlank.size()) == IdeographicBlank)
      text.remove_suffix(IdeographicBlank.size());
    else break;
  }
  return text;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Takes the text up to `marker` off the front of `text`.
std::optional<std::string_view> takeUntil(std::string_view& text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view before = text.substr(0, at);
  text.remove_prefix(at + marker.size());
  return before;
}

}  // namespace

std::string normalizedDateText(std::string_view text) { return std::string(trimmed(asciiDigits(trimmed(text)))); }

std::optional<Date> readWesternDate(std::string_view input) {
  const std::string text = normalizedDateText(input);
  std::string_view s = text;
  if (!s.empty() && (s.front() == 'J' || s.front() == 'j'))
    return parseIsoDate(s.substr(1), WesternCalendar::Julian);
  return parseIsoDate(s);
}

std::optional<std::int64_t> numberValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  bool arabic = true;
  for (const char c : text) arabic = arabic && c >= '0' && c <= '9';
  if (arabic) {
    if (text.size() > 13) return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }
  // Kanji: either positional digits (二〇二四) or digits with 十 百 千 (千九百八十九).
  std::int64_t total = 0, digit = -1, positional = 0;
  bool usedMultiplier = false;
  int digits = 0;
  while (!text.empty()) {
    const Numeral* found = nullptr;
    for (const Numeral& n : Numerals)
      if (startsWith(text, n.text)) found = &n;
    if (found == nullptr) return std::nullopt;
    text.remove_prefix(found->text.size());
    if (found->multiplier) {
      usedMultiplier = true;
      total += (digit < 0 ? 1 : digit) * found->value;
      digit = -1;
    } else {
      if (digit >= 0) positional = positional * 10 + digit;
      digit = found->value;
      ++digits;
      if (digits > 12) return std::nullopt;
    }
  }
  if (usedMultiplier) {
    if (positional != 0) return std::nullopt;  // 二三十: not a number
    return total + (digit < 0 ? 0 : digit);
  }
  return positional * 10 + digit;
}

std::optional<WrittenJapaneseDate> readJapaneseDate(std::string_view input, const std::vector<std::string>& eraNames) {
  const std::string text = normalizedDateText(input);
  std::string_view s = text;
  WrittenJapaneseDate date;
  for (const auto& [name, court] : {std::pair{std::string_view("北朝"), EraCourt::North},
                                    std::pair{std::string_view("南朝"), EraCourt::South}}) {
    if (startsWith(s, name)) {
      date.court = court;
      s = trimmed(s.substr(name.size()));
    }
  }
  std::size_t longest = 0;
  for (const std::string& name : eraNames)
    if (name.size() > longest && startsWith(s, name)) longest = name.size();
  if (longest == 0) {
    // An unknown era: the name is what stands before the year's number.
    std::size_t end = 0;
    while (end < s.size() && !(s[end] >= '0' && s[end] <= '9') && !startsWith(s.substr(end), "元") &&
           !startsWith(s.substr(end), "年")) {
      bool numeral = false;
      for (const Numeral& n : Numerals) numeral = numeral || startsWith(s.substr(end), n.text);
      if (numeral) break;
      ++end;
    }
    if (end == 0 || s.find("年") == std::string_view::npos) return std::nullopt;
    longest = end;
  }
  date.era = std::string(s.substr(0, longest));
  s.remove_prefix(longest);
  const auto year = takeUntil(s, "年");
  if (!year) return std::nullopt;
  if (*year == "元") date.year = 1;
  else if (const auto n = numberValue(*year)) date.year = *n;
  else return std::nullopt;
  if (startsWith(s, "閏")) {
    date.leap = true;
    s.remove_prefix(std::string_view("閏").size());
  }
  const auto month = takeUntil(s, "月");
  if (!month) return std::nullopt;
  const auto m = *month == "正" ? std::optional<std::int64_t>(1) : numberValue(*month);
  const auto day = takeUntil(s, "日");
  if (!m || !day || !s.empty()) return std::nullopt;
  const auto d = numberValue(*day);
  if (!d || *m > 99 || *d > 99) return std::nullopt;
  date.month = static_cast<int>(*m);
  date.day = static_cast<int>(*d);
  return date;
}

}  // namespace ventorel
