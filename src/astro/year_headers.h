// The header lines of each computed year in its column of the window.
#pragma once

#include <string>

#include "app/run_state.h"
#include "platform/surface.h"

namespace ventorel {

// Before the day walk of a pass: font size 9, red 180/0/0 for the chosen year, black otherwise.
void setPassHeaderStyle(const RunState& state, Surface& surface);
// After the day walk of a pass, in the pass's column (grid x 100, 4100, 8100):
// the era line at grid y 600 (from 645 on), the second-court line at 800
// (1331..1392) and the year line at 400.
void printYearHeaders(const RunState& state, Surface& surface);

// The year a column shows in the user's numbering: the entered year plus the pass
// offset, skipping 0 (the year before 1 is -1, the year after -1 is 1).
double shownYear(double enteredYear, int yearOffset);
// "西暦2024年(ｸﾞﾚｺﾞﾘｵ暦)  甲辰（たつ）の年 ": the shown year with the stem, branch and
// animal of the astronomical state.year.
std::string yearLine(const RunState& state, double shown);

}  // namespace ventorel
