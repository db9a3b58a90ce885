#include "data/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace ventorel {


std::int64_t toIndex(double x) {
  const double r = roundHalfEven(x);
  if (std::isnan(r)) return std::numeric_limits<std::int64_t>::min();
  if (r >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (r <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

void throwDivisionByZero() { throw std::domain_error("division by zero in modRoundHalfEven"); }

double modOfLarge(double a, double b) {
  // fmod keeps the sign of the dividend, as the rule requires.
  const double r = std::fmod(a, b);
  return r == 0.0 ? 0.0 : r;  // no negative zero
}

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double numericValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t signAt = i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t begin = i;
  bool digits = false;
  while (i < text.size() && isDigit(text[i])) { ++i; digits = true; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) { ++i; digits = true; }
  }
  if (!digits) return 0.0;
  // An exponent only continues the number when digits follow it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  // Up to 15 plain digits are a whole number below 2^53, exact as it is summed.
  if (i - begin <= 15 && std::all_of(text.begin() + begin, text.begin() + i, isDigit)) {
    double whole = 0;
    for (std::size_t k = begin; k < i; ++k) whole = whole * 10 + (text[k] - '0');
    return negative ? -whole : whole;
  }
  // from_chars rounds correctly, as strtod does, and takes no sign: the sign is
  // applied afterwards, which is exact.
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + begin, text.data() + i, value);
  if (error == std::errc() && end == text.data() + i) return negative ? -value : value;
  // Beyond the range of a double (or very nearly so): strtod's answer, as always.
  const std::string number(text.substr(signAt, i - signAt));
  value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

DecimalText::DecimalText(double x) {
  auto set = [this](std::string_view text) { size_ = text.copy(buffer_, sizeof buffer_); };
  auto written = [this](std::to_chars_result result) { size_ = static_cast<std::size_t>(result.ptr - buffer_); };
  if (std::isnan(x) || std::isinf(x) || x == 0.0) {
    set(std::isnan(x) ? "NaN" : x > 0 ? "Infinity" : x < 0 ? "-Infinity" : "0");
    return;
  }
  // std::to_chars with a precision writes the digits printf would write for it.
  char* const end = buffer_ + sizeof buffer_;
  const double magnitude = std::fabs(x);
  if (magnitude >= 1e15 || magnitude < 1e-15) {
    written(std::to_chars(buffer_, end, x, std::chars_format::general, 15));
    return;
  }
  // A whole number has no decimals to show: the common case of days, months and years.
  if (x == std::trunc(x)) {
    written(std::to_chars(buffer_, end, static_cast<long long>(x)));
    return;
  }
  // Fixed notation with 15 significant digits, then trailing zeros dropped.
  const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  const int decimals = std::max(0, 14 - exponent);
  written(std::to_chars(buffer_, end, x, std::chars_format::fixed, decimals));
  if (std::string_view(*this).find('.') != std::string_view::npos) {
    while (size_ > 0 && buffer_[size_ - 1] == '0') --size_;
    if (size_ > 0 && buffer_[size_ - 1] == '.') --size_;
  }
  if (std::string_view(*this) == "-0") set("0");
}

std::string plainDecimal(double x) { return std::string(DecimalText(x)); }

std::string numberText(double x) {
  std::string text = plainDecimal(x);
  if (text.front() != '-') text.insert(text.begin(), ' ');
  return text;
}

std::string trimmedNumber(double x) { return plainDecimal(x); }

}  // namespace ventorel
