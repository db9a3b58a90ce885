// A dynamic value read from a data file: unset, a number, or a text.
//
// A field becomes a number when it reads as one and stays a text otherwise; where
// a text meets arithmetic its numeric value is taken, and an unset value counts
// as 0 (and as the empty text).
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace ventorel {

class Value {
 public:
  Value() = default;
  explicit Value(double number) : value_(number) {}
  explicit Value(std::string text) : value_(std::move(text)) {}

  // The value a data-file field gives: a number when the whole trimmed field reads
  // as a number ("12", "-3", "1.5"), a text otherwise (an empty field is the
  // empty text).
  static Value fromField(std::string_view field);

  bool isUnset() const { return std::holds_alternative<std::monostate>(value_); }
  bool isNumber() const { return std::holds_alternative<double>(value_); }
  bool isText() const { return std::holds_alternative<std::string>(value_); }

  // The number: a number as it is, a text by its numeric value, unset as 0.
  double number() const;
  // The text: a text as it is, a number in plain decimal, unset as "".
  std::string text() const;

  // Comparison with a number as the calendar makes it: unset counts as 0; a text
  // equals n only when the whole text is a number equal to n.
  bool equals(double n) const;

 private:
  std::variant<std::monostate, double, std::string> value_;
};

// True when the whole text (blanks around it allowed) is one decimal number.
bool isWholeNumber(std::string_view text);

}  // namespace ventorel
