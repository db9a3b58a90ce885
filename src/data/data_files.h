// The five data files of the program folder: holidays, eras, second-court eras,
// new moons, and the saved output format.
#pragma once

#include <string_view>

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
// is reported and not created). A file that cannot be written is reported too.
void saveSettings(const RunState& state, MessageBox& messages);

// The data files, in the order they are loaded.
enum class DataFile { Holidays, Eras, SecondCourtEras, NewMoons, Settings };

// The file name of a data file ("shuku.dat", ...).
const char* dataFileName(DataFile file);

// Reads one data file's bytes (CP932 or UTF-8) into its table. Returns false when
// the bytes are damaged: not decodable, a record cut short, a field that cannot be
// what its slot needs, or more records than the table holds. The complete records
// before the damage are kept; the damaged record leaves no trace.
bool readDataFile(DataFile file, std::string_view bytes, RunState& state);

// The text "ini.dat" is written with: the format as its digits (text in double
// quotes) and CR LF. An unset format is written as 0, the entry the format list
// shows for it.
std::string settingsFileText(const Value& outputFormat);

}  // namespace ventorel
