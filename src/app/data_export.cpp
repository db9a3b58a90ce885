#include "app/data_export.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "app/year_text.h"
#include "app/calendar_sources.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "output/calendar_file.h"
#include "output/json_calendar.h"

namespace ventorel {

namespace {

constexpr std::size_t LastIcsYear = 9999;
// 9999-12-31 23:59:59 UTC: a later SOURCE_DATE_EPOCH has no DTSTAMP and is not taken.
constexpr long long LastStampSecond = 253402300799;

// The one file of the data formats could not be written.
RunReport writeFailed(const std::string& path, const std::string& error) {
  return {RunStatus::WriteFailed, path, Problem::told(writeFailedMessage(path, error))};
}

}  // namespace

DataExport::DataExport(const ReferenceData& data, DataExportOptions options, Launcher& launcher, std::ostream& out,
                       std::time_t stamp)
    : data_(data),
      options_(std::move(options)),
      launcher_(launcher),
      out_(out),
      stamp_(ics::utcStamp(stamp)),
      // A range in one file, or iCalendar on standard output, is one calendar:
      // each year is added to it as soon as it is made.
      oneCalendar_(!options_.outputFile.empty() || (options_.toStdout && options_.format == DataFormat::Ics)) {
  if (!oneCalendar_ || options_.format != DataFormat::Ics) return;
  icsYearsToCome_.assign(LastIcsYear + 1, 0);
  auto plan = [&](double entered) {
    if (entered != std::floor(entered)) return;  // refused by the run
    const double year = astronomicalYear(entered);
    if (!icsRepresentable(year)) return;
    lastIcsYear_ = entered;
    ++icsYearsToCome_.at(static_cast<std::size_t>(year));
  };
  for (const YearSpan& span : options_.years) {
    if (!span.isRange()) {
      if (const std::optional<double> entered = parseYearText(span[0])) plan(*entered);
      continue;
    }
    // Only the years iCalendar can date are walked, however long the range.
    const std::int64_t last = std::min<std::int64_t>(span.last(), LastIcsYear);
    for (std::int64_t year = std::max<std::int64_t>(span.first(), 1); year <= last; ++year)
      plan(static_cast<double>(year));
  }
}

RunReport DataExport::deliver(const CalendarYear& year) {
  if (options_.format == DataFormat::Ics && !icsRepresentable(year))
    return {RunStatus::RunError, {}, Problem::told(messages::icsYearBeyond(trimmedNumber(year.enteredYear)))};

  if (oneCalendar_) {
    if (writeFailed_) return {};
    std::string text;
    if (years_++ == 0) {
      if (options_.format == DataFormat::Ics) text = icsCalendarHead(icsTitle(year.enteredYear, lastIcsYear_));
      std::string error;
      if (!options_.toStdout && !file_.open(options_.outputFile, options_.batch != nullptr, error)) {
        writeFailed_ = true;
        return writeFailed(options_.outputFile, error);
      }
    }
    text += options_.format == DataFormat::Ics ? icsText(year) : jsonCalendar(year, data_.names) + "\n";
    return emit(text);
  }
  if (options_.toStdout) {  // JSON Lines, a year as soon as it is made
    out_ << jsonCalendar(year, data_.names) << "\n";
    return {};
  }
  RunReport report;
  report.outputPath = calendarPath(options_.folder, year.enteredYear, options_.format == DataFormat::Ics ? ".ics" : ".json",
                                   renderersFor(year.basis).naming);
  Problem written = writeCalendarFile(report.outputPath, render(year), false, options_.batch, options_.swept);
  if (!written.ok()) return {RunStatus::WriteFailed, report.outputPath, std::move(written)};
  if (!options_.batch) removeClassicNamedTwin(report.outputPath);
  if (options_.open) launcher_.openInSpreadsheet(report.outputPath);
  return report;
}

RunReport DataExport::finish() {
  if (!oneCalendar_ || years_ == 0 || writeFailed_) return {};
  if (options_.format == DataFormat::Ics)
    if (RunReport ended = emit(std::string(ics::CalendarTail)); ended.status != RunStatus::Done) return ended;
  if (options_.toStdout) return {};
  std::string error;
  if (!file_.commit(error))
    return writeFailed(options_.outputFile, error);
  return {RunStatus::Done, options_.outputFile, {}};
}

// A year's events of the one calendar. Their UIDs number the events of a kind on
// a day; a year made again continues the numbering of its earlier times, which
// are kept until its last time is made.
std::string DataExport::icsText(const CalendarYear& year) {
  const auto dateYear = static_cast<std::int64_t>(year.year);
  std::uint32_t& toCome = icsYearsToCome_.at(static_cast<std::size_t>(dateYear));
  const bool again = toCome > 1;
  if (toCome > 0) --toCome;
  ics::EventCounts once;
  ics::EventCounts& seen = (again || repeatedYears_.count(dateYear)) ? repeatedYears_[dateYear] : once;
  std::string text;
  appendIcsEvents(text, year, data_.names, options_.include, stamp_, seen);
  if (!again) repeatedYears_.erase(dateYear);
  return text;
}

RunReport DataExport::emit(const std::string& text) {
  if (options_.toStdout) {
    out_ << text;
    return {};
  }
  std::string error;
  if (file_.append(text, error)) return {};
  writeFailed_ = true;
  return writeFailed(options_.outputFile, error);
}

std::string DataExport::render(const CalendarYear& year) {
  if (options_.format == DataFormat::Json) return jsonCalendar(year, data_.names) + "\n";
  return icsCalendar(icsTitle(year.enteredYear, year.enteredYear), year, data_.names, options_.include, stamp_);
}

std::time_t exportStamp() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (end != epoch && *end == '\0' && seconds >= 0 && seconds <= LastStampSecond)
      return static_cast<std::time_t>(seconds);
  }
  return std::time(nullptr);
}

}  // namespace ventorel
