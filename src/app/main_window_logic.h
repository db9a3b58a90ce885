// The main window's behaviour that does not depend on the widget toolkit: the
// year stepping of "▲" and "▼", the format list's text rule, the control layout
// and the drawing shown when the window first appears.
#pragma once

#include <array>
#include <string>

#include "data/builtin_tables.h"
#include "data/value.h"
#include "platform/surface.h"

namespace ventorel {

// The window's caption.
inline constexpr const char* WindowCaption = "Ventorel";
// The control captions.
inline constexpr const char* CreateButtonText = "カレンダー作成";
inline constexpr const char* NextYearText = "▲";
inline constexpr const char* PreviousYearText = "▼";
inline constexpr const char* YearLabelText = "年";
// The check box that chooses the classic calendar instead of the true sky.
inline constexpr const char* ClassicCheckText = "原典の計算";
// The version line of the start drawing.
inline constexpr const char* VersionLine = "    Ver1.2　by　Marrowick";

// "▲": the next year, skipping 0 (-1 goes to 1). A text that is not a year
// number is returned unchanged.
std::string nextYearText(const std::string& text);
// "▼": the previous year, skipping 0 (1 goes to -1). A text that is not a year
// number is returned unchanged.
std::string previousYearText(const std::string& text);

// The list position the format list shows for a saved format: the value rounded
// half to even (unset counts as 0); anything but position 1 shows position 0.
int formatListIndex(const Value& outputFormat);

// The format list's edit-text rule: "htm形式" sets 0, "csv形式" sets 1, any other
// text leaves the format as it was. Returns true when the text was a format name.
bool applyFormatText(const BuiltinTables& names, Value& outputFormat, const std::string& text);

// The controls at the window's top left, in tab order, with their design size in
// twips (1/1440 inch) and their font size in points (0: the window's default).
struct ControlLayout {
  const char* name;
  int left, top, width, height;
  double fontPoints;
};
inline constexpr std::array<ControlLayout, 7> ControlLayouts{{
    {"Text1", 0, 0, 1335, 375, 14.25},
    {"Command1", 3360, 0, 1815, 375, 12},
    {"Command2", 1320, 0, 375, 200, 6.75},
    {"Command3", 1320, 200, 375, 200, 6.75},
    {"Label3", 1680, 120, 1335, 255, 14.25},
    {"Combo1", 2040, 0, 1335, 300, 0},
    {"Check1", 2040, 300, 1335, 255, 0},  // under the format list
}};
// The window's own font size, used where a control has none of its own.
inline constexpr double DefaultFontPoints = 9;

// Twips turned into pixels at `dotsPerInch`, to the nearest pixel.
int twipsToPixels(int twips, double dotsPerInch);

// The eleven instruction lines of the start drawing.
extern const std::array<const char*, 11> InstructionLines;

// The drawing of the window when it first appears: the window made the screen's
// size, the 41 x 40 dot background, the title with its shadow, the version line
// and the instructions.
void drawStartScreen(Surface& surface);

}  // namespace ventorel
