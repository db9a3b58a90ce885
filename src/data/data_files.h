// The five data files of the program folder: holidays, eras, second-court eras,
// new moons, and the saved output format.
#pragma once

#include "app/run_state.h"
#include "platform/message_box.h"

namespace ventorel {

// The message of a missing or unreadable data file.
inline constexpr const char* MissingFileMessage = "あれー？";

// Reads "shuku.dat", "gen1.dat", "gen2.dat", "singetu.dat" and "ini.dat" from
// state.programFolder, in this order. A missing or damaged file is reported with
// the message box and loading goes on with the next one.
void loadDataFiles(RunState& state, MessageBox& messages);

// Writes state.outputFormat to "ini.dat" (only when the file exists; a missing one
// is reported and not created).
void saveSettings(const RunState& state, MessageBox& messages);

}  // namespace ventorel
