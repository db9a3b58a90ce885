// Links into the encyclopedia: every article link of the pages is built here,
// with the one percent-encoder of the program.
#pragma once

#include <string>
#include <string_view>

namespace ventorel {

// Base address of the encyclopedia articles every link of the pages points into.
inline constexpr const char* ArticleBaseUrl = "https://ja.wikipedia.org/wiki/";

// Percent-encoding for an address: ASCII letters, digits, "-._~" and the
// parentheses of article titles stay, every other byte is written as "%" and two
// upper-case hex digits ("2月4日" -> "2%E6%9C%884%E6%97%A5").
void appendUrlEncoded(std::string& out, std::string_view text);
std::string urlEncoded(std::string_view text);

// How a page writes its links: the address in double quotes or bare, and the
// closing tag. The classic page writes them bare and closes some with "</A>".
struct LinkStyle {
  bool quoted;
  std::string_view close;
};
inline constexpr LinkStyle PageLink{true, "</a>"};
inline constexpr LinkStyle ClassicLink{false, "</a>"};
inline constexpr LinkStyle ClassicUpperLink{false, "</A>"};

// "<a href=" + ArticleBaseUrl + the encoded title + ">", the address quoted as
// the style says.
void appendLinkOpen(std::string& out, std::string_view title, LinkStyle style);
// The opening, the label as given (already markup), the closing tag.
void appendArticleLink(std::string& out, std::string_view title, std::string_view label, LinkStyle style);
std::string articleLink(std::string_view title, std::string_view label, LinkStyle style);

}  // namespace ventorel
