// The years of the command line: a year as typed into the year box, or a range
// "1990..2030" of whole years.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ventorel {

class YearSpan {
 public:
  // One year text, handed to the run as typed (the run refuses what is no year).
  static YearSpan single(std::string text);
  // The years first..last (first <= last), year 0 left out: 1 BC is -1.
  static YearSpan range(std::int64_t first, std::int64_t last);

  // The number of years the span runs.
  std::uint64_t size() const;
  // The year text of the i-th year (i < size()): "-2", "-1", "1", "2" for -2..2.
  std::string operator[](std::uint64_t i) const;
  // True for a range across year 0, which it skips.
  bool skipsYearZero() const;
  // Whether the span is a range, and its first and last year (both 0 for a year text).
  bool isRange() const { return isRange_; }
  std::int64_t first() const { return first_; }
  std::int64_t last() const { return last_; }

 private:
  std::string text_;
  bool isRange_ = false;
  std::int64_t first_ = 0;
  std::int64_t last_ = 0;
};

// The span an argument names. An argument with ".." is a range: both ends whole
// years as the year box takes them ("1990..2030", "-10..10", "１９９０..２０３０"),
// the first not after the last. A malformed range gives none and sets `error`.
// Anything else is a single year text.
std::optional<YearSpan> parseYearArgument(std::string_view argument, std::string& error);

}  // namespace ventorel
