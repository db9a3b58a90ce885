// The user's settings, kept in "ini.dat" of the program folder: one record a line.
//
//   1  the output format: 0 HTML, 1 CSV (the file is damaged without it)
//   2  1: the classic calendar chosen; 0 or no record: the true one
//   3  the folder File → Export writes into ("" none chosen yet)
//   4  the formats File → Export writes: some of "htm csv ics json", blank-separated
//   5  the window's place and size: "left top width height" in pixels
//
// Records 3.. are written only when one of them is set, so that a file of a
// program that never set them stays as it was; a reader that takes only the first
// records still finds the format and the calendar choice.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/problem.h"
#include "data/value.h"

namespace ventorel {

struct AppSettings {
  Value outputFormat;  // 0 = HTML, 1 = CSV; unset when the file was not read
  bool classicCalendar = false;
  std::string exportFolder;
  std::string exportFormats;
  std::string windowGeometry;
};

// Reads the bytes of "ini.dat" (CP932 or UTF-8). False, with `problem` filled in,
// when the file is damaged: not text, or a first record that is neither 0 nor 1;
// the settings are then left as they were. Later records that cannot be read are
// preferences and left unset.
bool readAppSettings(std::string_view bytes, AppSettings& settings, Problem* problem = nullptr);

// The text "ini.dat" is written with: the format as its digits (text in double
// quotes) and CR LF, then the calendar choice (1 classic, 0 true) and CR LF, then
// records 3.. in double quotes up to the last one set. An unset format is written
// as 0, the entry the format list shows for it. A text holding a double quote
// cannot be written and is left out (written "").
std::string appSettingsText(const AppSettings& settings);

}  // namespace ventorel
