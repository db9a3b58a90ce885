#include "data/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "data/text.h"

namespace ventorel {

namespace {

// One whole conversion through iconv; none on any invalid or unconvertible input.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

  std::string output;
  std::vector<char> buffer(4096);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  bool ok = true;
  bool flushed = false;
  while (ok && !flushed) {
    char* out = buffer.data();
    std::size_t outLeft = buffer.size();
    // Once the input is used up, a null input flushes the converter's state.
    const bool flushing = inLeft == 0;
    const std::size_t result =
        flushing ? iconv(cd, nullptr, nullptr, &out, &outLeft) : iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), buffer.size() - outLeft);
    if (result == static_cast<std::size_t>(-1)) {
      ok = errno == E2BIG;  // a full buffer is drained and the loop goes on; EILSEQ and EINVAL are bad input
    } else if (flushing) {
      flushed = true;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return output;
}

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) { return convert("UTF-8", "CP932", bytes); }

std::optional<std::string> utf8ToCp932(std::string_view text) {
  if (!isValidUtf8(text)) return std::nullopt;
  return convert("CP932", "UTF-8", text);
}

std::optional<std::string> dataFileText(std::string_view bytes) {
  if (bytes.substr(0, Utf8Bom.size()) == Utf8Bom) {
    const std::string_view rest = bytes.substr(Utf8Bom.size());
    if (!isValidUtf8(rest)) return std::nullopt;
    return std::string(rest);
  }
  if (isValidUtf8(bytes)) return std::string(bytes);
  return cp932ToUtf8(bytes);
}

std::size_t findControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7f) return i;
  }
  return std::string_view::npos;
}

bool hasControlCharacter(std::string_view text) { return findControlCharacter(text) != std::string_view::npos; }

}  // namespace ventorel
