#include "output/article_link.h"

#include <array>

#include "output/text_building.h"

namespace ventorel {

namespace {

// The bytes an address carries as they are.
constexpr std::array<bool, 256> Plain = [] {
  std::array<bool, 256> plain{};
  for (int c = 0; c < 256; ++c)
    plain[static_cast<std::size_t>(c)] = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                         c == '-' || c == '.' || c == '_' || c == '~' || c == '(' || c == ')';
  return plain;
}();

}  // namespace

void appendUrlEncoded(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  // Room for every byte encoded, then cut to what was written.
  const std::size_t start = out.size();
  out.resize(start + 3 * text.size());
  char* at = out.data() + start;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (Plain[byte]) {
      *at++ = c;
    } else {
      *at++ = '%';
      *at++ = Hex[byte >> 4];
      *at++ = Hex[byte & 0x0F];
    }
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
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
