// Character-level helpers for the UTF-8 texts the calendar carries.
//
// The calendar's rules count characters, not bytes ("the first two characters of
// a holiday rule", "characters 4 and 5 of a term text"). Every character the
// program meets lies in the Basic Multilingual Plane, so one code point is one
// character here.
#pragma once

#include <string>
#include <string_view>

namespace ventorel {

// Number of characters (code points) of a UTF-8 text.
std::size_t charCount(std::string_view text);

// Characters start..start+count-1, counting from 1; clipped at the end of the text.
std::string midChars(std::string_view text, std::size_t start, std::size_t count);
std::string leftChars(std::string_view text, std::size_t count);
std::string rightChars(std::string_view text, std::size_t count);

bool startsWith(std::string_view text, std::string_view prefix);
bool endsWith(std::string_view text, std::string_view suffix);

// Drops leading and trailing ASCII blanks (and tabs).
std::string trimBlanks(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace ventorel
