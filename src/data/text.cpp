#include "data/text.h"

namespace ventorel {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character number `index` (0-based), or text.size() past the end.
std::size_t byteOffset(std::string_view text, std::size_t index) {
  std::size_t pos = 0;
  while (pos < text.size() && index > 0) {
    ++pos;
    while (pos < text.size() && isContinuation(static_cast<unsigned char>(text[pos]))) ++pos;
    --index;
  }
  return pos;
}
}  // namespace

std::size_t charCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text)
    if (!isContinuation(static_cast<unsigned char>(c))) ++count;
  return count;
}

std::string midChars(std::string_view text, std::size_t start, std::size_t count) {
  if (start == 0 || count == 0) return {};
  const std::size_t from = byteOffset(text, start - 1);
  const std::size_t to = byteOffset(text.substr(from), count) + from;
  return std::string(text.substr(from, to - from));
}

std::string leftChars(std::string_view text, std::size_t count) { return midChars(text, 1, count); }

std::string rightChars(std::string_view text, std::size_t count) {
  const std::size_t total = charCount(text);
  if (count >= total) return std::string(text);
  return midChars(text, total - count + 1, count);
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string trimBlanks(std::string_view text) {
  std::size_t from = 0;
  std::size_t to = text.size();
  while (from < to && (text[from] == ' ' || text[from] == '\t')) ++from;
  while (to > from && (text[to - 1] == ' ' || text[to - 1] == '\t')) --to;
  return std::string(text.substr(from, to - from));
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned int codePoint = 0;
    if (c < 0x80) { ++i; continue; }
    if (c >= 0xC2 && c <= 0xDF) { length = 2; codePoint = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { length = 3; codePoint = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { length = 4; codePoint = c & 0x07; }
    else return false;
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
      if (!isContinuation(next)) return false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if ((length == 3 && codePoint < 0x800) || (length == 4 && (codePoint < 0x10000 || codePoint > 0x10FFFF)))
      return false;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return false;
    i += length;
  }
  return true;
}

}  // namespace ventorel
