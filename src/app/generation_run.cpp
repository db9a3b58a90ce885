#include "app/generation_run.h"

#include <cmath>
#include <exception>

#include "app/year_text.h"
#include "astro/day_walk.h"
#include "calendar/lunar_months.h"
#include "calendar/misc_days.h"
#include "calendar/screen_summary.h"
#include "data/numbers.h"
#include "output/csv_calendar.h"
#include "output/html_calendar.h"

namespace ventorel {

namespace {

// Years beyond this would let the day numbers lose whole days in a double.
constexpr double LargestYear = 1e12;

// The format list's text sets the format; any other text leaves it as it was.
void readFormat(RunState& state, const std::string& comboText) {
  if (comboText == state.names.formatName[0]) state.outputFormat = Value(0.0);
  if (comboText == state.names.formatName[1]) state.outputFormat = Value(1.0);
}

// A message printed on an emptied window: three empty lines, then size 24.
void printRefusal(Surface& surface, const std::string& message) {
  surface.clear();
  for (int i = 0; i < 3; ++i) surface.printEmptyLine();
  surface.setFontSize(24);
  surface.printLine(message);
}

// Steps 16 and 17: exactly one writer, by the format.
RunReport writeOutput(RunState& state, RunContext& context) {
  RunReport report;
  WriteResult result;
  if (state.outputFormat.equals(0)) {
    result = writeHtmlCalendar(state, context.messages, context.launcher);
  } else if (state.outputFormat.equals(1)) {
    result = writeCsvCalendar(state, context.messages, context.launcher);
  } else {
    return report;
  }
  report.outputPath = result.path;
  report.message = result.message;
  switch (result.status) {
    case WriteResult::Status::Written: break;
    case WriteResult::Status::FileFailed: report.status = RunStatus::WriteFailed; break;
    case WriteResult::Status::BrowserFailed: report.status = RunStatus::RunError; break;
  }
  return report;
}

// Step 18: the format list shows the format used.
void resyncFormat(RunState& state, std::string& comboText) {
  readFormat(state, comboText);
  if (state.outputFormat.equals(0)) comboText = state.names.formatName[0];
  if (state.outputFormat.equals(1)) comboText = state.names.formatName[1];
}

RunReport computeAndWrite(RunState& state, std::string& comboText, RunContext& context) {
  Surface& surface = context.surface;
  // Step 7: astronomical numbering (-1 is year 0).
  state.year = state.enteredYear < 0 ? state.enteredYear + 1 : state.enteredYear;
  state.baseYear = state.year;
  // Step 8.
  for (int m = 1; m <= 39; ++m) state.lunarMonthSeq[m].clear();
  // Step 9.
  chooseNewMoonSource(state);
  // Step 10: the three passes; the Sun and Moon phases keep their per-run days.
  state.nyubaiDay = 0;
  state.hangeshoDay = 0;
  runPasses(state, surface);
  // Step 11.
  numberLunarMonths(state);
  // Steps 12 and 13.
  printNotice(surface);
  printSummary(state, surface, context.messages);
  // Step 14: back to the chosen year.
  state.yearOffset = 0;
  state.year = state.baseYear + 0;
  state.computeYearArithmetic();
  // Step 15.
  annotateChosenYear(state, context.messages);
  // Steps 16 and 17.
  RunReport report = writeOutput(state, context);
  // Step 18.
  resyncFormat(state, comboText);
  return report;
}

}  // namespace

void chooseNewMoonSource(RunState& state) {
  state.useNewMoonTable = 0;
  state.newMoonRow.reset();
  if (!(state.year > 1901 && state.year < 2099)) return;
  state.useNewMoonTable = 1;
  for (int r = 1; r <= NewMoonRows; ++r) {
    if (state.newMoonTable(r, 1).equals(state.year - 1)) {
      state.newMoonRow = r;
      return;
    }
  }
}

std::string notANumberMessage(const std::string& yearText) {
  return "「" + yearText + "」は年として読めません。年を数字で入力してください。";
}

void redrawWindow(Surface& surface) {
  surface.clear();
  surface.setWindowGeometry(0, 0, surface.screenWidth(), surface.screenHeight());
  const double scaleW = surface.scaleWidth();
  const double scaleH = surface.scaleHeight();
  surface.setPenWidth(50);
  for (int i = 0; i <= 30; ++i) {
    for (int j = 1; j <= 30; ++j) {
      const Rgb colour{static_cast<int>(Int(j * 256.0 / 30)), 250, static_cast<int>(Int((30 - j) * 256.0 / 30))};
      surface.dot((30 - i) * scaleW / 30, (30 - j) * scaleH / 30, colour);
    }
  }
}

RunReport runGeneration(RunState& state, const std::string& yearText, std::string& comboText, RunContext& context) {
  Surface& surface = context.surface;
  // Step 1.
  redrawWindow(surface);
  // A year text that is no number is refused before anything changes.
  const std::optional<double> entered = parseYearText(yearText);
  if (!entered) {
    printRefusal(surface, notANumberMessage(yearText));
    return {RunStatus::NotANumber, {}, notANumberMessage(yearText)};
  }
  if (std::fabs(*entered) > LargestYear) {
    printRefusal(surface, YearTooLargeMessage);
    return {RunStatus::NotANumber, {}, YearTooLargeMessage};
  }
  // Steps 2 to 5.
  state.lineBuffer.clear();
  readFormat(state, comboText);
  setTextGrid(surface, 0, 0);
  state.enteredYearText = yearText;
  state.enteredYear = *entered;
  state.startMonth = 1;
  state.startDay = 1;
  state.startHour = 0;
  state.startMinute = 0;
  // Step 6.
  if (state.enteredYear == 0) {
    printRefusal(surface, YearZeroMessage);
    return {RunStatus::YearZero, {}, YearZeroMessage};
  }
  try {
    return computeAndWrite(state, comboText, context);
  } catch (const std::exception& error) {
    // A table bound or an impossible division: the run ends with a message and
    // the window stays usable.
    const std::string message = std::string("計算を続けられませんでした: ") + error.what();
    context.messages.show(message);
    return {RunStatus::RunError, {}, message};
  }
}

}  // namespace ventorel
