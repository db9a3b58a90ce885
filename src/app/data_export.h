// The command line's data formats: iCalendar and JSON, a file per year, one file
// for a whole range (--output), or standard output (--stdout).
#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/generation_run.h"
#include "app/year_range.h"
#include "data/reference_data.h"
#include "output/ics_calendar.h"
#include "platform/file_io.h"
#include "platform/launcher.h"

namespace ventorel {

enum class DataFormat { Ics, Json };

struct DataExportOptions {
  DataFormat format = DataFormat::Ics;
  IcsInclude include;
  std::string folder;      // the per-year files go here
  std::string outputFile;  // one file for all years; empty: a file per year
  bool toStdout = false;   // standard output instead of files
  bool open = false;       // hand each per-year file on (xdg-open)
  FileBatch* batch = nullptr;  // set: the files are staged there, put in place when it is committed
  std::vector<YearSpan> years;  // the years of the run, in order
  SweptFolders* swept = nullptr;  // set: a file written at once sweeps its folder only the first time
};

class DataExport {
 public:
  DataExport(const ReferenceData& data, DataExportOptions options, Launcher& launcher, std::ostream& out,
             std::time_t stamp);

  // Takes one computed year: writes its file, or adds it to the one file or to
  // standard output as soon as it is made. A year iCalendar cannot date fails
  // with a message; so does the one file's first failed write, after which the
  // run writes no more of it and its old content stays.
  RunReport deliver(const CalendarYear& year);

  // Ends the one file or the iCalendar text on standard output, and puts the
  // file in place. A failed write is reported like a run's.
  RunReport finish();

  // Whether the one file has failed: the years still to come have nowhere to go.
  bool abandoned() const { return writeFailed_; }

 private:
  std::string render(const CalendarYear& year);
  std::string icsText(const CalendarYear& year);
  RunReport emit(const std::string& text);

  const ReferenceData& data_;
  DataExportOptions options_;
  Launcher& launcher_;
  std::ostream& out_;
  std::string stamp_;
  bool oneCalendar_;
  StreamedFile file_;
  bool writeFailed_ = false;
  std::uint64_t years_ = 0;
  // The years of a calendar of many, known before they are made: the last that
  // iCalendar can date ends the calendar's title, and a year that comes more than
  // once keeps numbering its UIDs on where its first time ended.
  double lastIcsYear_ = 0;
  std::vector<std::uint32_t> icsYearsToCome_;  // by astronomical year 1..9999
  std::map<std::int64_t, ics::EventCounts> repeatedYears_;
};

// The DTSTAMP of a run: SOURCE_DATE_EPOCH when set (reproducible files), else now.
// A SOURCE_DATE_EPOCH that is not a number of seconds from 1970 to the end of 9999 is not taken.
std::time_t exportStamp();

}  // namespace ventorel
