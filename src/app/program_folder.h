// The data files of the program folder: read at start-up, the format saved at the end.
#pragma once

#include <string>

#include "data/data_files.h"

namespace ventorel {

// Reads the six data files of `folder` (a file counts as missing unless its name
// matches exactly).
LoadedReferenceData loadProgramFolder(const std::string& folder);

// Writes the format and the calendar choice to "ini.dat", creating the file when
// it is missing (deleted while the window was open): the choice is not lost for
// want of the file. False when it cannot be written; `message` then tells the
// user which file and why (MissingFileMessage first).
bool saveSettings(const std::string& folder, const Value& outputFormat, bool classicCalendar, std::string& message);

}  // namespace ventorel
