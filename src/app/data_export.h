// The command line's data formats: iCalendar and JSON, a file per year, one file
// for a whole range (--output), or standard output (--stdout).
#pragma once

#include <ctime>
#include <ostream>
#include <string>
#include <vector>

#include "app/generation_run.h"
#include "data/reference_data.h"
#include "output/ics_calendar.h"
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
};

class DataExport {
 public:
  DataExport(const ReferenceData& data, DataExportOptions options, Launcher& launcher, std::ostream& out,
             std::time_t stamp);

  // Takes one computed year: writes its file, or keeps it for finish(), or
  // prints its JSON line. A year iCalendar cannot date fails with a message.
  RunReport deliver(const CalendarYear& year);

  // Writes what was kept: the whole range into the --output file, or the
  // iCalendar text to standard output. A failed write is reported like a run's.
  RunReport finish();

 private:
  std::string render(const CalendarYear& year);

  const ReferenceData& data_;
  DataExportOptions options_;
  Launcher& launcher_;
  std::ostream& out_;
  std::string stamp_;
  bool collecting_;
  std::vector<ics::AllDayEvent> events_;
  std::string jsonLines_;
  double firstYear_ = 0;
  double lastYear_ = 0;
  int years_ = 0;
};

// The DTSTAMP of a run: SOURCE_DATE_EPOCH when set (reproducible files), else now.
std::time_t exportStamp();

}  // namespace ventorel
