// The header lines of each computed year in its column of the window.
#pragma once

#include "app/run_state.h"
#include "platform/surface.h"

namespace ventorel {

// Before the day walk of a pass: font size 9, red 180/0/0 for the chosen year, black otherwise.
void setPassHeaderStyle(const RunState& state, Surface& surface);
// After the day walk of a pass: the year line, the era line, the second-court line.
void printYearHeaders(const RunState& state, Surface& surface);

}  // namespace ventorel
