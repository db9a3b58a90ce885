// The data files of the program folder and the user's settings: read at start-up,
// the settings saved at the end.
#pragma once

#include <string>

#include "app/app_settings.h"
#include "data/data_files.h"

namespace ventorel {

// The reference data and the settings of a program folder, with the problems of
// every file (ini.dat among them, in its place after singetu.dat).
struct LoadedProgramFolder : LoadedReferenceData {
  AppSettings settings;
};

// Reads the data files and "ini.dat" of `folder` (a file counts as missing unless
// its name matches exactly).
LoadedProgramFolder loadProgramFolder(const std::string& folder);

// Writes the settings to "ini.dat", creating the file when it is missing (deleted
// while the window was open): the choice is not lost for want of the file. False
// when it cannot be written; `message` then tells the user which file and why
// (MissingFileMessage first).
bool saveSettings(const std::string& folder, const AppSettings& settings, std::string& message);

}  // namespace ventorel
