// Where the programs find their data files when no folder is given: the installed
// share/ventorel (beside bin/, where the program lies), then the program's own
// folder, then the current folder. The first that holds the new-moon table
// "singetu.dat" is taken; none holding it, the current folder (whose missing
// files are then told as always).
#pragma once

#include <string>
#include <vector>

namespace ventorel {

// The folders looked at, in order, for a program in `executableFolder` run in `currentFolder`.
std::vector<std::string> dataFolderCandidates(const std::string& executableFolder, const std::string& currentFolder);

// The data folder for a program in `executableFolder` run in `currentFolder`.
std::string findDataFolder(const std::string& executableFolder, const std::string& currentFolder);

// The data folder of this process.
std::string findDataFolder();

}  // namespace ventorel
