// Helpers shared by the tests: temporary program folders and whole runs.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>
#include <sys/resource.h>

#include "app/calendar_sources.h"
#include "app/generation_run.h"
#include "data/data_files.h"
#include "platform/recording.h"

namespace ventorel::testing {

// A fresh, empty folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;

 private:
  std::string path_;
};

// The lines of a file of the source tree (its path from the top), without blank
// lines and "#" comments; a file that cannot be read fails the test.
std::vector<std::string> dataLines(const std::string& path);

// The fields of a line, split at each `separator`.
std::vector<std::string> splitFields(const std::string& line, char separator);

// The folder of the shipped data files in the source tree.
std::string shippedDataFolder();

// A program folder holding copies of the shipped data files.
void copyShippedData(const TempFolder& folder);

// The shipped data files as the program loads them, read once (a file that cannot
// be loaded fails the test that asks).
const ReferenceData& shippedData();

// The reference list of the holidays of the law (tests/data: 1948-07-20 to 2050),
// "YYYY-MM-DD name" by year in date order, with the law's names.
const std::map<int, std::vector<std::string>>& referenceHolidays();

// The calendar of a year (user numbering) on the shipped data.
CalendarYear calendarOf(double enteredYear, CalendarBasis basis = CalendarBasis::True);

// The day of a calendar year by its month and day; throws when the year has none.
const CalendarDay& dayOf(const CalendarYear& year, int month, int day);

// One run as the window makes it, with recording platform objects, on reference
// data the test may fill (built-in tables only, until loaded).
struct RecordedRun {
  RecordedRun();
  std::unique_ptr<ReferenceData> data;
  TempFolder folder;  // where the run writes, unless a test points it elsewhere
  RunSettings settings;
  RecordingSurface surface;
  RecordingLauncher launcher;
  std::string comboText;
  // The tests of the window's run check the classic calendar's values unless they choose otherwise.
  CalendarBasis basis = CalendarBasis::Classic;
  RunReport run(const std::string& yearText);
  RunReport run(const std::string& yearText, const std::string& format);  // "htm形式" or "csv形式"
};

// A full disk, simulated: while the object lives, no file this process writes may
// grow beyond `bytes` (writes beyond fail with "File too large").
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
};

// A program folder holding the shipped data files, loaded as at start-up, and a
// recorded run in it.
struct ShippedProgram {
  ShippedProgram();
  TempFolder folder;
  RecordedRun recorded;
  std::vector<Problem> problems;  // the files that could not be loaded
};

}  // namespace ventorel::testing
