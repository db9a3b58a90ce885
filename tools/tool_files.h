// File handling shared by the data tools' command lines.
#pragma once

#include <optional>
#include <string>

namespace ventorel::tools {

// The bytes of a file; none when it cannot be read.
std::optional<std::string> readFileBytes(const char* path);

// Writes text to the file at path, or to standard output when path is null.
// Returns the exit status: 0, or 1 after a message naming the tool on stderr.
int writeToolOutput(const std::string& text, const char* path, const char* tool);

}  // namespace ventorel::tools
