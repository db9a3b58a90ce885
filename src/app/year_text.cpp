#include "app/year_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "data/numbers.h"
#include "data/value.h"

namespace ventorel {

std::string asciiDigits(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    // Full-width forms U+FF01..U+FF5E are EF BC 81..EF BD 9E in UTF-8.
    if (c == 0xEF && i + 2 < text.size()) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      const int codePoint = ((c & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
      if (codePoint >= 0xFF10 && codePoint <= 0xFF19) { out += static_cast<char>('0' + codePoint - 0xFF10); i += 3; continue; }
      if (codePoint == 0xFF0B) { out += '+'; i += 3; continue; }
      if (codePoint == 0xFF0D) { out += '-'; i += 3; continue; }
      if (codePoint == 0xFF0E) { out += '.'; i += 3; continue; }
    }
    // U+2212 MINUS SIGN and U+3000 IDEOGRAPHIC SPACE.
    if (text.substr(i, 3) == "\xE2\x88\x92") { out += '-'; i += 3; continue; }
    if (text.substr(i, 3) == "\xE3\x80\x80") { out += ' '; i += 3; continue; }
    out += text[i++];
  }
  return out;
}

std::optional<double> parseYearText(std::string_view text) {
  const std::string ascii = asciiDigits(text);
  if (!isWholeNumber(ascii)) return std::nullopt;
  const double value = numericValue(ascii);
  if (value == 0) {
    // numericValue gives 0 for a number beyond a double's range too: such a text
    // denotes an infinite year (too large), not year 0.
    errno = 0;
    const double exact = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(exact)) return exact;
  }
  return value;
}

}  // namespace ventorel
