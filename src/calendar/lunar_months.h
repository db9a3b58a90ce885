// The old-calendar months of the three years: numbering from the 冬至 anchors,
// the leap month, and the month names written onto the new-moon days.
#pragma once

#include "app/run_state.h"

namespace ventorel {

void numberLunarMonths(RunState& state);

}  // namespace ventorel
