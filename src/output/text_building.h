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
  if (n >= 0 && n < 10000) {  // days, months and most years, without the general conversion
    const int v = static_cast<int>(n);
    const char four[4] = {static_cast<char>('0' + v / 1000), static_cast<char>('0' + v / 100 % 10),
                          static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
    const int length = v >= 1000 ? 4 : v >= 100 ? 3 : v >= 10 ? 2 : 1;
    if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
    out.append(four + 4 - length, static_cast<std::size_t>(length));
    return;
  }
  char digits[24];
  const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, n);
  const auto length = static_cast<int>(written.ptr - digits);
  if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
  out.append(digits, written.ptr);
}

}  // namespace ventorel
