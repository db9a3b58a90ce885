#include "output/html_escape.h"

#include "output/text_building.h"

namespace ventorel {

std::string htmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string csvField(std::string_view text) {
  std::string out;
  appendCsvField(out, text);
  return out;
}

bool startsLikeFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string spreadsheetText(std::string text) {
  if (startsLikeFormula(text)) text.insert(text.begin(), '\'');
  return text;
}

}  // namespace ventorel
