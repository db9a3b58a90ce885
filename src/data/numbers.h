// The number rules every part of the calendar computes with.
//
// The calendar's results depend on these rules to the last day: a floor that
// rounds the wrong way, or a remainder taken on unrounded operands, moves a term
// or a new moon. They live here, once, and every phase uses them.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace ventorel {

// The circle constant as the calendar uses it: eleven decimals, not the full double.
inline constexpr double PI = 3.14159265359;
// Days in a tropical year.
inline constexpr double TropicalYear = 365.24219029;

// The floor, toward minus infinity (floorInt(-0.25) = -1).
inline double floorInt(double x) { return std::floor(x); }

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  const double lower = std::floor(x);
  const double fraction = x - lower;
  if (fraction < 0.5) return lower;
  if (fraction > 0.5) return lower + 1.0;
  // Exactly half way: take the even neighbour.
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Conversion of a number to an integer or a table index: round half to even.
// Values outside the 64-bit range saturate, so the bounds check that follows
// always sees an out-of-range index rather than undefined behaviour.
std::int64_t toIndex(double x);

// The remainder's rare paths, out of line.
[[noreturn]] void throwDivisionByZero();
double modOfLarge(double a, double b);  // the remainder of whole numbers beyond 2^53, by fmod

// x modRoundHalfEven n: both operands are first rounded half to even; the result has the sign
// of the dividend (-7 mod 3 = -1). A divisor that rounds to 0 throws
// std::domain_error (division by zero ends the run with a message).
inline double modRoundHalfEven(double x, double n) {
  const double a = roundHalfEven(x);
  const double b = roundHalfEven(n);
  if (b == 0.0) throwDivisionByZero();
  // Whole numbers of up to 2^53 are exact in both types, and the integer
  // remainder, like fmod, is exact and keeps the sign of the dividend.
  constexpr double Exact = 9007199254740992.0;  // 2^53
  if (std::fabs(a) <= Exact && std::fabs(b) <= Exact)
    return static_cast<double>(static_cast<std::int64_t>(a) % static_cast<std::int64_t>(b));  // 0 is never -0
  return modOfLarge(a, b);
}

// The numeric value of a text: leading blanks skipped, an optional sign, then the
// digits (with one decimal point and an exponent) up to the first character that
// cannot continue a number. A text without digits is 0 ("12x" -> 12, "x" -> 0).
double numericValue(std::string_view text);

// Plain decimal text of a number: no exponent for ordinary magnitudes, no
// trailing ".0", up to 15 significant digits (2024 -> "2024", -0.5 -> "-0.5").
std::string plainDecimal(double x);

// The same text held in place, for the writers that append it: no allocation.
class DecimalText {
 public:
  explicit DecimalText(double x);
  // A whole number gives the text its double gives, made directly.
  explicit DecimalText(int n)
      : size_(static_cast<std::size_t>(std::to_chars(buffer_, buffer_ + sizeof buffer_, n).ptr - buffer_)) {}
  operator std::string_view() const { return {buffer_, size_}; }

 private:
  char buffer_[64];
  std::size_t size_ = 0;
};

// The two number texts the outputs use:
// numberText: a leading blank for zero and positive values, a minus sign for
// negative ones (" 2024", "-660"); trimmedNumber: the same without blanks.
std::string numberText(double x);
std::string trimmedNumber(double x);

}  // namespace ventorel
