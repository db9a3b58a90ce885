// Reading the year the user typed into the year box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ventorel {

// The number a year text denotes, or none when it is not a number. Blanks around
// the number (ASCII and the ideographic blank), an optional sign and a fractional
// part are accepted, and so are full-width digits, signs and point as a Japanese
// input method types them ("２０２４", "－６６０"). "", "abc", "12x" are refused.
// A number beyond a double's range (309 digits or more) is an infinity, which the
// callers refuse as too large.
std::optional<double> parseYearText(std::string_view text);

// The full-width digits, signs and point of a text turned into ASCII.
std::string asciiDigits(std::string_view text);

}  // namespace ventorel
