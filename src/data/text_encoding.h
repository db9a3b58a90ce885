// The encodings of the data files.
//
// The files are documented as Shift_JIS (code page 932) and are shipped so; a
// file saved by a modern editor as UTF-8 is read as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ventorel {

// The UTF-8 text of a data file's bytes: with a UTF-8 byte-order mark, the rest
// (which must then be valid UTF-8); without one, the bytes themselves when they
// are valid UTF-8 (plain ASCII included), and otherwise the bytes decoded as
// CP932. None when the bytes are neither.
std::optional<std::string> dataFileText(std::string_view bytes);

// True when the text holds a control character (U+0000..U+001F, U+007F) other
// than TAB, CR and LF: no data file holds one, and one would go raw into the
// calendars.
bool hasControlCharacter(std::string_view text);
// Where the first such character is (a byte offset), or npos.
std::size_t findControlCharacter(std::string_view text);

// CP932 bytes to UTF-8; none on a byte sequence that is not CP932.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);

// UTF-8 text to CP932 bytes; none when the text holds a character CP932 lacks
// (or is not valid UTF-8).
std::optional<std::string> utf8ToCp932(std::string_view text);

}  // namespace ventorel
