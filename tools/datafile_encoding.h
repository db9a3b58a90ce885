// The shipped data files are kept in UTF-8 under data/source/ for reading and
// review, and shipped in CP932 with CR LF line ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ventorel::tools {

// The shipped bytes of a UTF-8 source: every line end becomes CR LF, the text
// CP932. None when the source holds a character that CP932 lacks.
std::optional<std::string> shippedDataFileBytes(std::string_view utf8Source);

}  // namespace ventorel::tools
