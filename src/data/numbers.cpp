#include "data/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace ventorel {

double Int(double x) { return std::floor(x); }

double roundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  const double lower = std::floor(x);
  const double fraction = x - lower;
  if (fraction < 0.5) return lower;
  if (fraction > 0.5) return lower + 1.0;
  // Exactly half way: take the even neighbour.
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int64_t toIndex(double x) {
  const double r = roundHalfEven(x);
  if (std::isnan(r)) return std::numeric_limits<std::int64_t>::min();
  if (r >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (r <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

double Mod(double x, double n) {
  const double a = roundHalfEven(x);
  const double b = roundHalfEven(n);
  if (b == 0.0) throw std::domain_error("division by zero in Mod");
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
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false;
  while (i < text.size() && isDigit(text[i])) { number += text[i++]; digits = true; }
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && isDigit(text[i])) { number += text[i++]; digits = true; }
  }
  if (!digits) return 0.0;
  // An exponent only continues the number when digits follow it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) exponent += text[j++];
      number += exponent;
    }
  }
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::string plainDecimal(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  if (x == 0.0) return "0";
  char buffer[512];
  if (std::fabs(x) >= 1e15 || std::fabs(x) < 1e-15) {
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
  }
  // Fixed notation with 15 significant digits, then trailing zeros dropped.
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(x))));
  const int decimals = std::max(0, 14 - magnitude);
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string numberText(double x) {
  const std::string text = plainDecimal(x);
  return text.front() == '-' ? text : " " + text;
}

std::string trimmedNumber(double x) { return plainDecimal(x); }

}  // namespace ventorel
