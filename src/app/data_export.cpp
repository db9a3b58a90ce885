#include "app/data_export.h"

#include <cstdlib>

#include "data/numbers.h"
#include "output/calendar_file.h"
#include "output/json_calendar.h"

namespace ventorel {

DataExport::DataExport(const ReferenceData& data, DataExportOptions options, Launcher& launcher, std::ostream& out,
                       std::time_t stamp)
    : data_(data),
      options_(std::move(options)),
      launcher_(launcher),
      out_(out),
      stamp_(ics::utcStamp(stamp)),
      // A range in one file, or iCalendar on standard output, is one calendar:
      // it is assembled from all years and written at the end.
      collecting_(!options_.outputFile.empty() || (options_.toStdout && options_.format == DataFormat::Ics)) {}

RunReport DataExport::deliver(const CalendarYear& year) {
  if (options_.format == DataFormat::Ics && !icsRepresentable(year))
    return {RunStatus::RunError, {},
            "iCalendarの日付は1年から9999年までです。" + trimmedNumber(year.enteredYear) + "年は書き出せません。"};
  if (years_++ == 0) firstYear_ = year.enteredYear;
  lastYear_ = year.enteredYear;

  if (collecting_) {
    if (options_.format == DataFormat::Ics) {
      std::vector<ics::AllDayEvent> events = icsEvents(year, data_.names, options_.include);
      events_.insert(events_.end(), std::make_move_iterator(events.begin()), std::make_move_iterator(events.end()));
    } else {
      jsonLines_ += jsonCalendar(year, data_.names) + "\n";
    }
    return {};
  }
  if (options_.toStdout) {  // JSON Lines, a year as soon as it is made
    out_ << jsonCalendar(year, data_.names) << "\n";
    return {};
  }
  RunReport report;
  report.outputPath =
      calendarPath(options_.folder, year.enteredYear, options_.format == DataFormat::Ics ? ".ics" : ".json");
  const WriteResult written = writeCalendarFile(report.outputPath, render(year), false);
  if (!written.written) return {RunStatus::WriteFailed, report.outputPath, written.message};
  if (options_.open) launcher_.openInSpreadsheet(report.outputPath);
  return report;
}

RunReport DataExport::finish() {
  if (!collecting_ || years_ == 0) return {};
  const std::string text = options_.format == DataFormat::Ics
                               ? icsCalendar(icsTitle(firstYear_, lastYear_), std::move(events_), stamp_)
                               : std::move(jsonLines_);
  if (options_.toStdout) {
    out_ << text;
    return {};
  }
  const WriteResult written = writeCalendarFile(options_.outputFile, text, false);
  if (!written.written) return {RunStatus::WriteFailed, options_.outputFile, written.message};
  return {RunStatus::Done, options_.outputFile, {}};
}

std::string DataExport::render(const CalendarYear& year) {
  if (options_.format == DataFormat::Json) return jsonCalendar(year, data_.names) + "\n";
  return icsCalendar(icsTitle(year.enteredYear, year.enteredYear), icsEvents(year, data_.names, options_.include),
                     stamp_);
}

std::time_t exportStamp() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (end != epoch && *end == '\0' && seconds >= 0) return static_cast<std::time_t>(seconds);
  }
  return std::time(nullptr);
}

}  // namespace ventorel
