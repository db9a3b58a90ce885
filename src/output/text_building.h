// Building an output text in one buffer: pieces are appended where they belong,
// without the temporary strings that chains of operator+ make.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace ventorel {

// Appends the pieces to `out`, in order.
template <typename... Pieces>
void appendPieces(std::string& out, const Pieces&... pieces) {
  (out.append(std::string_view(pieces)), ...);
}

// Appends the text with every double quote doubled, as inside a quoted CSV field.
inline void appendCsvEscaped(std::string& out, std::string_view text) {
  for (std::size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"')) {
    out.append(text.substr(0, quote + 1));
    out += '"';
    text.remove_prefix(quote + 1);
  }
  out.append(text);
}

// Appends one CSV field: the pieces in double quotes, a double quote inside doubled.
template <typename... Pieces>
void appendCsvField(std::string& out, const Pieces&... pieces) {
  out += '"';
  (appendCsvEscaped(out, std::string_view(pieces)), ...);
  out += '"';
}

// Appends a non-negative whole number with zeros in front up to `width` digits
// (as printf's "%0*lld": 7 in width 2 is "07").
inline void appendZeroPadded(std::string& out, long long n, int width) {
  char digits[24];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, n);
  const auto length = static_cast<int>(written.ptr - digits);
  if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
  out.append(digits, written.ptr);
}

}  // namespace ventorel
