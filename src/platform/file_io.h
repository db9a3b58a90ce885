// Files in the program folder: the existence test, whole-file reads, and writes
// that never leave a half-written file behind.
#pragma once

#include <string>

namespace ventorel {

// folder + "/" + name (a folder that already ends in "/" gets no second one).
std::string joinPath(const std::string& folder, const std::string& name);

// True when the folder holds a regular file whose name equals `name` exactly,
// letter case included ("SHUKU.DAT" does not count as "shuku.dat").
bool fileExistsExact(const std::string& folder, const std::string& name);

// Reads the whole file. Returns false with a reason when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Writes the bytes to a temporary file in the same folder and renames it over
// `path`, so that the old file keeps its contents unless the new one is complete.
// Returns false with a reason (the system's message) on any failure.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// The current directory, without a trailing separator.
std::string currentDirectory();

}  // namespace ventorel
