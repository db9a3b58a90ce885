#include "app/generation_run.h"

#include <cmath>
#include <exception>

#include "app/data_folder.h"
#include "app/year_text.h"
#include "ventorel/date.h"
#include "app/calendar_sources.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "output/calendar_file.h"
#include "output/screen_summary.h"
#include "output/year_headers.h"

namespace ventorel {

namespace {

// The format list's text sets the format; any other text leaves it as it was.
void readFormat(const BuiltinTables& names, RunSettings& settings, const std::string& comboText) {
  if (comboText == names.formatName[0]) settings.outputFormat = Value(0.0);
  if (comboText == names.formatName[1]) settings.outputFormat = Value(1.0);
}

// A message printed on an emptied window: three empty lines, then size 24.
void printRefusal(Surface& surface, const std::string& message) {
  surface.clear();
  for (int i = 0; i < 3; ++i) surface.printEmptyLine();
  surface.setFontSize(24);
  surface.printLine(message);
}

}  // namespace

// The spreadsheet's failure to start is not reported: the file is written.
RunReport writeCalendar(const ReferenceData& data, const RunSettings& settings, const CalendarYear& year,
                        Launcher& launcher, FileBatch* batch, SweptFolders* swept) {
  RunReport report;
  const bool html = settings.outputFormat.equals(0);
  if (!html && !settings.outputFormat.equals(1)) return report;
  const CalendarRenderers render = renderersFor(year.basis);
  report.outputPath = calendarPath(settings.programFolder, year.enteredYear, html ? ".htm" : ".csv", render.naming);
  Problem written = writeCalendarFile(
      report.outputPath, html ? render.page(year, data.names) : render.spreadsheet(year, data.names), true, batch, swept);
  if (!written.ok()) return {RunStatus::WriteFailed, report.outputPath, std::move(written)};
  // The file of the old name goes once the new one is in place (a batch's owner
  // does this when it commits).
  if (!batch) removeClassicNamedTwin(report.outputPath);
  if (!html) {
    launcher.openInSpreadsheet(report.outputPath);
    return report;
  }
  std::string error;
  if (!launcher.openInBrowser(report.outputPath, error)) {
    report.status = RunStatus::RunError;
    report.problem = Problem::told(messages::notOpenedInBrowser(report.outputPath, error));
  }
  return report;
}

namespace {

// The format list shows the format used.
void resyncFormat(const BuiltinTables& names, RunSettings& settings, std::string& comboText) {
  readFormat(names, settings, comboText);
  if (settings.outputFormat.equals(0)) comboText = names.formatName[0];
  if (settings.outputFormat.equals(1)) comboText = names.formatName[1];
}

RunReport computeAndWrite(const ReferenceData& data, RunSettings& settings, double enteredYear, const RunInputs& inputs,
                          std::string& comboText, RunContext& context) {
  // The data formats and the page list the year's eclipses; the spreadsheet file may not.
  const PlaceSkyParts parts = context.deliver || settings.outputFormat.equals(0)
                                  ? PlaceSkyParts::WithEclipses
                                  : renderersFor(inputs.basis).spreadsheetSky;
  const ComputedCalendar computed =
      computeCalendar(enteredYear, inputs.basis, data, context.skyCache, inputs.place, parts);
  // The window shows the three years' headers, the notice and the summary, in
  // this order, before the file is written.
  if (context.drawWindow) {
    drawYearHeaders(context.surface, data, enteredYear, computed.skies);
    printNotice(context.surface);
    drawSummary(context.surface, data.names, computed.skies, computed.lunar);
  }
  RunReport report = context.deliver ? context.deliver(computed.year)
                                     : writeCalendar(data, settings, computed.year, context.launcher, context.fileBatch,
                                                       context.sweptFolders);
  resyncFormat(data.names, settings, comboText);
  return report;
}

}  // namespace

std::string notANumberMessage(const std::string& yearText) {
  return "「" + yearText + "」は年として読めません。年を数字で入力してください。";
}

std::string notAWholeYearMessage(const std::string& yearText) {
  return "「" + yearText + "」は整数の年ではありません。年を整数で入力してください。";
}

void redrawWindow(Surface& surface) {
  surface.clear();
  surface.setWindowGeometry(0, 0, surface.screenWidth(), surface.screenHeight());
  const double scaleW = surface.scaleWidth();
  const double scaleH = surface.scaleHeight();
  surface.setPenWidth(50);
  for (int i = 0; i <= 30; ++i) {
    for (int j = 1; j <= 30; ++j) {
      const Rgb colour{static_cast<int>(floorInt(j * 256.0 / 30)), 250, static_cast<int>(floorInt((30 - j) * 256.0 / 30))};
      surface.dot((30 - i) * scaleW / 30, (30 - j) * scaleH / 30, colour);
    }
  }
}

RunReport runGeneration(const ReferenceData& data, RunSettings& settings, const RunInputs& inputs,
                        std::string& comboText, RunContext& context) {
  Surface& surface = context.surface;
  if (context.drawWindow) redrawWindow(surface);
  // A year text that is no number is refused before anything changes.
  const std::optional<double> entered = parseYearText(inputs.yearText);
  if (!entered) {
    printRefusal(surface, notANumberMessage(inputs.yearText));
    return {RunStatus::NotANumber, {}, Problem::told(notANumberMessage(inputs.yearText))};
  }
  if (std::fabs(*entered) > static_cast<double>(LargestYear)) {
    printRefusal(surface, YearTooLargeMessage);
    return {RunStatus::NotANumber, {}, Problem::told(YearTooLargeMessage)};
  }
  // A fraction would make a year of whole days dated as the year below it (and,
  // in iCalendar, events under that real year's UIDs).
  if ((!takesFractionalYears(inputs.basis) || context.deliver) && *entered != std::floor(*entered)) {
    printRefusal(surface, notAWholeYearMessage(inputs.yearText));
    return {RunStatus::NotANumber, {}, Problem::told(notAWholeYearMessage(inputs.yearText))};
  }
  readFormat(data.names, settings, comboText);
  setTextGrid(surface, 0, 0);
  if (*entered == 0) {
    printRefusal(surface, YearZeroMessage);
    return {RunStatus::YearZero, {}, Problem::told(YearZeroMessage)};
  }
  // A calendar made without the holiday law or the eras would look whole and be wrong.
  if (const std::vector<std::string> missing = missingNeededFiles(data, inputs.basis); !missing.empty())
    return {RunStatus::DataFileMissing, {}, Problem::told(missingFilesMessage(missing, context.dataLookedIn))};
  try {
    return computeAndWrite(data, settings, *entered, inputs, comboText, context);
  } catch (const std::exception& error) {
    // A table bound or an impossible division: the run ends with a message and
    // the window stays usable.
    return {RunStatus::RunError, {}, Problem::told(messages::computationFailure(error))};
  }
}

}  // namespace ventorel
