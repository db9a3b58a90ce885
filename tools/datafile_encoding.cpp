#include "datafile_encoding.h"

#include "data/text_encoding.h"

namespace ventorel::tools {

std::optional<std::string> shippedDataFileBytes(std::string_view utf8Source) {
  std::string text;
  text.reserve(utf8Source.size() + utf8Source.size() / 16);
  for (std::size_t i = 0; i < utf8Source.size(); ++i) {
    const char c = utf8Source[i];
    if (c == '\r') {
      if (i + 1 < utf8Source.size() && utf8Source[i + 1] == '\n') ++i;
      text += "\r\n";
    } else if (c == '\n') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  return utf8ToCp932(text);
}

}  // namespace ventorel::tools
