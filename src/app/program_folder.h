// The data files of the program folder: read at start-up, the format saved at the end.
#pragma once

#include <string>

#include "data/data_files.h"

namespace ventorel {

// Reads the six data files of `folder` (a file counts as missing unless its name
// matches exactly).
LoadedReferenceData loadProgramFolder(const std::string& folder);

// Writes the format and the calendar choice to "ini.dat" (only when the file
// exists; a missing one is not created). False when the file is missing or cannot be written; the caller then
// tells the user MissingFileMessage.
bool saveSettings(const std::string& folder, const Value& outputFormat, bool classicCalendar);

}  // namespace ventorel
