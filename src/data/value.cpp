#include "data/value.h"

#include "data/numbers.h"
#include "data/text.h"

namespace ventorel {

bool isWholeNumber(std::string_view text) {
  const std::string t = trimBlanks(text);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool digits = false;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') { ++i; digits = true; }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') { ++i; digits = true; }
  }
  return digits && i == t.size();
}

Value Value::fromField(std::string_view field) {
  if (isWholeNumber(field)) return Value(numericValue(field));
  return Value(std::string(field));
}

double Value::number() const {
  if (const auto* n = std::get_if<double>(&value_)) return *n;
  if (const auto* t = std::get_if<std::string>(&value_)) return numericValue(*t);
  return 0.0;
}

std::string Value::text() const {
  if (const auto* t = std::get_if<std::string>(&value_)) return *t;
  if (const auto* n = std::get_if<double>(&value_)) return plainDecimal(*n);
  return {};
}

bool Value::equals(double n) const {
  if (const auto* v = std::get_if<double>(&value_)) return *v == n;
  if (const auto* t = std::get_if<std::string>(&value_)) return isWholeNumber(*t) && numericValue(*t) == n;
  return n == 0.0;
}

}  // namespace ventorel
