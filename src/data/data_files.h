// The six data files of the program folder: holidays, eras, second-court eras,
// new moons, the saved output format and the holiday law.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/problem.h"
#include "data/messages.h"
#include "data/reference_data.h"

namespace ventorel {

// The message of a missing or damaged data file; the problem's text follows it.
inline constexpr const char* MissingFileMessage = messages::DataFileHeading;

// The largest data file that is read: a larger one is damaged as a whole (the
// shipped files are a few kilobytes), so a reader of the folder need take no more
// than MaxDataFileBytes + 1 bytes of a file to tell.
inline constexpr std::size_t MaxDataFileBytes = std::size_t(16) << 20;

// The data files, in the order they are loaded.
enum class DataFile { Holidays, Eras, SecondCourtEras, NewMoons, Settings, HolidayLaw, EraStarts };

// The file name of a data file ("shuku.dat", ...).
const char* dataFileName(DataFile file);

// Reads one data file's bytes (CP932 or UTF-8) into its table. Returns false when
// the bytes are damaged: not decodable, a record cut short, a field that cannot be
// what its slot needs, more records than the table holds, anything but blank
// lines after the last record, a control character other than TAB, CR and LF,
// or more than MaxDataFileBytes. A damaged file is
// not used at all: its table is left as it was (rows read before the damage would
// give a wrong calendar, such as an era table that stops a century early), and
// `problem`, when given, says where and why reading stopped.
bool readDataFile(DataFile file, std::string_view bytes, ReferenceData& data, Problem* problem = nullptr);

// The bytes of a data file of the program folder by its name, or none when the
// file is missing or cannot be read.
using DataFileBytes = std::function<std::optional<std::string>(const std::string& name)>;

// The reference data and the files that could not be used.
struct LoadedReferenceData {
  ReferenceData data;
  // Every problem found, in loading order: one for a missing file or one of the
  // first five data files, one per damaged line for the holiday law (its first
  // few; the message counts the rest).
  std::vector<Problem> problems;
  // What the user is told of each file that could not be used, in the same order:
  // MissingFileMessage, then beneath it the problems' texts (a few at the most).
  std::vector<std::string> messages;
};

// Reads the user's settings file "ini.dat" (the app's, not reference data): false,
// with the problem filled in, when the file is damaged.
using SettingsReader = std::function<bool(std::string_view bytes, Problem& problem)>;

// A message of the loader on one line: its first line, then the problems beneath
// it separated by "; " ("あれー？ gen1.dat 230行目：...").
std::string messageOnOneLine(std::string message);

// Reads "shuku.dat", "gen1.dat", "gen2.dat", "singetu.dat", "ini.dat" (only when a
// settings reader is given, which then reads it), "holiday_law.dat" and
// "era_starts.dat", in this order. A missing or damaged file is left out whole
// (the calendar is then made without it), listed among the problems and told to
// the user; loading goes on with the next one.
LoadedReferenceData loadReferenceData(const DataFileBytes& bytesOf, const SettingsReader& readSettings = {});

}  // namespace ventorel
