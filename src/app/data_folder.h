// Where the programs find their data files when no folder is given: the installed
// share/ventorel (beside bin/, where the program lies), then the program's own
// folder, then the current folder. The first that holds the new-moon table
// "singetu.dat" is taken; none holding it, the current folder (whose missing
// files are then told as always).
#pragma once

#include <string>
#include <vector>

#include "app/calendar_sources.h"
#include "calendar/calendar_basis.h"
#include "data/reference_data.h"

namespace ventorel {

// The folders looked at, in order, for a program in `executableFolder` run in `currentFolder`.
std::vector<std::string> dataFolderCandidates(const std::string& executableFolder, const std::string& currentFolder);

// The data folder for a program in `executableFolder` run in `currentFolder`.
std::string findDataFolder(const std::string& executableFolder, const std::string& currentFolder);

// The data folder of this process.
std::string findDataFolder();

// The needed files of the basis that were missing or unreadable when `data` was
// loaded, in the order of neededDataFiles; empty when the calendar can be made.
std::vector<std::string> missingNeededFiles(const ReferenceData& data, CalendarBasis basis);

// Where the data files were looked for, for the message of a missing one: the
// folder given (--folder, the window's folder), or the folder found among the
// candidates, or, none holding the data, every candidate.
std::string dataLookupText(const std::string& givenFolder);

// The one line that tells which needed files are missing and where they were
// looked for: "needed data files not found: holiday_law.dat, era_starts.dat
// (looked in /a, /b); no calendar was made".
std::string missingFilesMessage(const std::vector<std::string>& files, const std::string& lookedIn);

}  // namespace ventorel
