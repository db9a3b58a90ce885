// The old-calendar months of the three years: numbering from the 冬至 anchors,
// the leap month, and the month names written onto the new-moon days.
#pragma once

#include "app/run_state.h"

namespace ventorel {

// The whole numbering: the month list from the marks, the rule's check of the
// spans around the chosen year, the names written onto the new-moon days, and
// the published months of early 1985.
void numberLunarMonths(RunState& state);

// The month list numbered from the provisional names and the anchor and leap
// marks alone, before the rule's check: fills `lunarMonthSeq` 1..count and
// returns the count (one entry per new moon of the three years).
int numberMonthsFromMarks(RunState& state);

}  // namespace ventorel
