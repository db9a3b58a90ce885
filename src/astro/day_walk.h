// The three per-year passes of a run: each starts its year's arithmetic and
// walks the days 0..365 (366), clearing each day and sampling the Sun and the
// Moon at its end.
#pragma once

#include "app/run_state.h"
#include "platform/surface.h"

namespace ventorel {

// Pass start for state.yearOffset: clears the pass's new-moon list, sets `year`,
// the year arithmetic, the start day's `epochDays` and the start time `tYears`.
void startPass(RunState& state);

// Empties day b's entries of the current slot (and dayHoliday[b]).
void clearDay(RunState& state, int b);

// The passes for the year before, the chosen year and the year after, with the
// header lines of each year printed after its walk.
void runPasses(RunState& state, Surface& surface);

}  // namespace ventorel
