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

// Replaces the file at `path` with the bytes without ever leaving it half-written:
// the bytes go to a temporary file beside it, which is synced and renamed over it,
// and then the folder is synced. A file the user may not write (no owner write bit,
// or no write access) is refused, not replaced. A symlink is followed to its target,
// which is replaced, so the link stays a link. The old file's permissions are kept.
// Temporary files that an earlier, killed run left in that folder are removed first.
// Returns false with a reason (the system's message) on any failure; the old file
// is then unchanged.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Lets a write past the file-size limit (`ulimit -f`) fail with "File too large"
// instead of ending the process. Both programs call it first thing in main().
void ignoreFileSizeSignal();

// The current directory, without a trailing separator.
std::string currentDirectory();

}  // namespace ventorel
