// One press of "カレンダー作成": the whole generation run, from the year box to
// the written file, in the order the calendar is built.
#pragma once

#include <string>

#include "app/run_state.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/surface.h"

namespace ventorel {

struct RunContext {
  Surface& surface;
  MessageBox& messages;
  Launcher& launcher;
};

enum class RunStatus {
  Done,           // the file was written (or no format selected one) and handed on
  NotANumber,     // the year text is not a number; nothing was done
  YearZero,       // year 0 was refused with its message
  RunError,       // the run ended on an error (a table bound, a browser that failed)
  WriteFailed,    // the output file could not be written
};

struct RunReport {
  RunStatus status = RunStatus::Done;
  std::string outputPath;  // the file written, when one was
  std::string message;     // what went wrong, for the failures
};

// The messages the run prints on the window.
inline constexpr const char* YearZeroMessage = "紀元0年とは、グレゴリオ暦やユリウス暦には存在しない年である。";
std::string notANumberMessage(const std::string& yearText);
inline constexpr const char* YearTooLargeMessage = "年が大きすぎます。±1000000000000年の範囲で入力してください。";

// Runs one generation with the year box text `yearText` and the format list text
// `comboText` (which step 18 sets to the format used).
RunReport runGeneration(RunState& state, const std::string& yearText, std::string& comboText, RunContext& context);

// Step 9: the new moons come from the table for chosen years 1902..2098, starting
// at the first row of the year before; without such a row newMoonRow stays unset.
void chooseNewMoonSource(RunState& state);

// Step 1: the window cleared and redrawn with its yellow-to-cyan band background.
void redrawWindow(Surface& surface);

}  // namespace ventorel
