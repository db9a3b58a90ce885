// Building an output text in one buffer: pieces are appended where they belong,
// without the temporary strings that chains of operator+ make.
#pragma once

#include <string>
#include <string_view>

namespace ventorel {

// Appends the pieces to `out`, in order.
template <typename... Pieces>
void appendPieces(std::string& out, const Pieces&... pieces) {
  (out.append(std::string_view(pieces)), ...);
}

// Appends one CSV field: the pieces in double quotes, a double quote inside doubled.
template <typename... Pieces>
void appendCsvField(std::string& out, const Pieces&... pieces) {
  out += '"';
  auto quoted = [&out](std::string_view piece) {
    for (std::size_t quote = piece.find('"'); quote != std::string_view::npos; quote = piece.find('"')) {
      out.append(piece.substr(0, quote + 1));
      out += '"';
      piece.remove_prefix(quote + 1);
    }
    out.append(piece);
  };
  (quoted(std::string_view(pieces)), ...);
  out += '"';
}

}  // namespace ventorel
