#include "output/article_link.h"

#include "output/text_building.h"

namespace ventorel {

void appendUrlEncoded(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  // The text is encoded in pieces through a buffer, each appended at once.
  char buffer[192];
  std::size_t size = 0;
  for (const char c : text) {
    if (size > sizeof buffer - 3) {
      out.append(buffer, size);
      size = 0;
    }
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
                       c == '.' || c == '_' || c == '~' || c == '(' || c == ')';
    if (plain) {
      buffer[size++] = c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      buffer[size++] = '%';
      buffer[size++] = Hex[byte >> 4];
      buffer[size++] = Hex[byte & 0x0F];
    }
  }
  out.append(buffer, size);
}

std::string urlEncoded(std::string_view text) {
  std::string out;
  appendUrlEncoded(out, text);
  return out;
}

void appendLinkOpen(std::string& out, std::string_view title, LinkStyle style) {
  appendPieces(out, style.quoted ? "<a href=\"" : "<a href=", ArticleBaseUrl);
  appendUrlEncoded(out, title);
  out += style.quoted ? "\">" : ">";
}

void appendArticleLink(std::string& out, std::string_view title, std::string_view label, LinkStyle style) {
  appendLinkOpen(out, title, style);
  appendPieces(out, label, style.close);
}

std::string articleLink(std::string_view title, std::string_view label, LinkStyle style) {
  std::string out;
  appendArticleLink(out, title, label, style);
  return out;
}

}  // namespace ventorel
