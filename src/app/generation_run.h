// One press of "カレンダー作成": the whole generation run, from the year box to
// the written file: read the inputs, compute the calendar, draw the summary,
// render and write the file, hand it on, and show the format used.
#pragma once

#include <functional>
#include <string>

#include "calendar/calendar_basis.h"
#include "app/calendar_sources.h"
#include "calendar/calendar_year.h"
#include "data/places.h"
#include "data/problem.h"
#include "ventorel/date.h"
#include "data/reference_data.h"
#include "data/value.h"
#include "platform/file_io.h"
#include "platform/launcher.h"
#include "platform/surface.h"

namespace ventorel {

struct RunReport;

struct RunContext {
  Surface& surface;
  Launcher& launcher;
  // Where the computed year goes instead of the file of the saved format (the
  // command line's iCalendar and JSON output); unset: the saved format's file.
  std::function<RunReport(const CalendarYear&)> deliver = {};
  // Set: the calendar file is staged in this batch and put in place when the
  // caller commits it (the launcher must then not open files); unset: written at once.
  FileBatch* fileBatch = nullptr;
  // Set: a file written at once sweeps its folder of stale temporary files only
  // the first time (the window's and --open's runs keep this from run to run).
  SweptFolders* sweptFolders = nullptr;
  // Set: the skies of recent years are kept here for the next runs (a batch of
  // consecutive years over the same reference data).
  SkyCache* skyCache = nullptr;
  // Unset: nothing is drawn on the surface but the refusals (the command line
  // without --transcript, whose window nobody sees); the files are the same.
  bool drawWindow = true;
  // Where the data files were looked for, named when a needed one is missing.
  std::string dataLookedIn = {};
};

// What a window or the command line keeps from run to run.
struct RunSettings {
  std::string programFolder;  // data files in, calendar files out
  Value outputFormat;         // 0 = HTML, 1 = CSV; unset: no file is written
};

struct RunInputs {
  std::string yearText;  // the year box as typed
  CalendarBasis basis = CalendarBasis::True;
  Place place = defaultPlace();  // the rises and sets of the true basis
};

enum class RunStatus {
  Done,           // the file was written (or no format selected one) and handed on
  NotANumber,     // the year text is not a number (or too large); nothing was done
  YearZero,       // year 0 was refused
  RunError,       // the run ended on an error (a table bound, a browser that failed)
  WriteFailed,    // the output file could not be written
  DataFileMissing,  // a data file the basis needs was missing or unreadable; nothing was written
};

// The run's result: its status and, for the failures, the problem (a full disk
// or quota ends a batch). The refusals are printed on the window by the run
// itself; for RunError, WriteFailed and DataFileMissing the caller shows the
// problem's text, once.
struct RunReport {
  RunStatus status = RunStatus::Done;
  std::string outputPath;  // the file written or tried, when a format selected one
  Problem problem;         // what went wrong, for the failures
};

// The messages the run prints on the window.
inline constexpr const char* YearZeroMessage = "紀元0年とは、グレゴリオ暦やユリウス暦には存在しない年である。";
std::string notANumberMessage(const std::string& yearText);
// A year with a fraction where only whole years can be made: the true sky, and
// the iCalendar and JSON files (the classic calendar makes a fractional year).
std::string notAWholeYearMessage(const std::string& yearText);
inline constexpr const char* YearTooLargeMessage = "年が大きすぎます。±1000000000000年の範囲で入力してください。";

// Runs one generation. `comboText` is the format list's text: a format name there
// sets settings.outputFormat, and afterwards it shows the format used.
RunReport runGeneration(const ReferenceData& data, RunSettings& settings, const RunInputs& inputs,
                        std::string& comboText, RunContext& context);

// The calendar file of the format in `settings` (none for a format that is
// neither): rendered, written through a temporary file, and handed on, the page
// to the browser, the CSV file to the spreadsheet.
RunReport writeCalendar(const ReferenceData& data, const RunSettings& settings, const CalendarYear& year,
                        Launcher& launcher, FileBatch* batch = nullptr, SweptFolders* swept = nullptr);

// The window cleared and redrawn with its yellow-to-cyan band background.
void redrawWindow(Surface& surface);

}  // namespace ventorel
