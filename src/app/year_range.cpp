#include "app/year_range.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/year_text.h"
#include "data/messages.h"
#include "ventorel/date.h"

namespace ventorel {

namespace {

// A range's end: a whole year, or none; one beyond the largest year a calendar
// is made for is kept as ±(LargestYear + 1), for the range to be refused with its
// reason (0 is allowed as an end, and skipped within the range).
std::optional<std::int64_t> wholeYear(std::string_view text) {
  const std::optional<double> value = parseYearText(text);
  if (!value || *value != std::floor(*value)) return std::nullopt;
  if (std::fabs(*value) > static_cast<double>(LargestYear)) return *value < 0 ? -LargestYear - 1 : LargestYear + 1;
  return static_cast<std::int64_t>(*value);
}

}  // namespace

YearSpan YearSpan::single(std::string text) {
  YearSpan span;
  span.text_ = std::move(text);
  return span;
}

YearSpan YearSpan::range(std::int64_t first, std::int64_t last) {
  YearSpan span;
  span.isRange_ = true;
  span.first_ = first;
  span.last_ = last;
  return span;
}

std::uint64_t YearSpan::size() const {
  if (!isRange_) return 1;
  const std::uint64_t years = static_cast<std::uint64_t>(last_ - first_) + 1;
  return skipsYearZero() ? years - 1 : years;
}

std::string YearSpan::operator[](std::uint64_t i) const {
  if (!isRange_) return text_;
  // A range written from 0 starts at 1.
  const std::int64_t first = astronomicalOfUser(first_ == 0 ? std::int64_t{1} : first_);
  return std::to_string(userOfAstronomical(first + static_cast<std::int64_t>(i)));
}

bool YearSpan::skipsYearZero() const { return isRange_ && first_ <= 0 && last_ >= 0; }

std::optional<YearSpan> parseYearArgument(std::string_view argument, std::string& error) {
  const std::string ascii = asciiDigits(argument);
  const std::size_t dots = ascii.find("..");
  if (dots == std::string::npos) return YearSpan::single(std::string(argument));

  const std::optional<std::int64_t> first = wholeYear(std::string_view(ascii).substr(0, dots));
  const std::optional<std::int64_t> last = wholeYear(std::string_view(ascii).substr(dots + 2));
  if (!first || !last) {
    error = messages::noRangeOfWholeYears(argument);
    return std::nullopt;
  }
  if (std::max(std::abs(*first), std::abs(*last)) > LargestYear) {
    error = messages::rangeBeyondLargest(argument, LargestYear);
    return std::nullopt;
  }
  if (*first > *last) {
    error = messages::rangeBackwards(argument, *last, *first);
    return std::nullopt;
  }
  return YearSpan::range(*first, *last);
}

}  // namespace ventorel
