// libFuzzer target over the year box: the year text parser and the ▲/▼ steps.
// Besides crashes and sanitizer reports, it traps when a step breaks its rules:
// a text that is no year comes back unchanged, and a year steps to a year that
// reads back as a number (never 0 when it started from a whole year). Years are
// printed with 15 significant digits, and very large or very small ones with an
// exponent, which the year box does not take; that is the year box's rule, not a
// finding. A whole number beyond a double's range reads as an infinite year (the
// "too large" refusal), and the steps leave such a text as it is.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/main_window_logic.h"
#include "app/year_text.h"

namespace {

void checkStep(const std::string& text, const std::optional<double>& year, const std::string& stepped) {
  if (!year || std::isinf(*year)) {
    if (stepped != text) __builtin_trap();
    return;
  }
  if (stepped.find_first_of("eE") != std::string::npos) return;
  const std::optional<double> next = ventorel::parseYearText(stepped);
  if (!next) __builtin_trap();
  if (*year == std::trunc(*year) && *next == 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> year = ventorel::parseYearText(text);
  if (year && std::isnan(*year)) __builtin_trap();
  checkStep(text, year, ventorel::nextYearText(text));
  checkStep(text, year, ventorel::previousYearText(text));
  return 0;
}
