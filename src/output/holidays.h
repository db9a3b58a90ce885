// National holidays of the chosen year: the holiday file's dates and n-th
// Mondays with the two equinox days, then the in-between and substitute holidays.
#pragma once

#include "app/run_state.h"

namespace ventorel {

// First stage, in the annotation walk: day d with Gregorian month m and day dd.
void assignHolidays(RunState& state, int d, int m, int dd, double epochDays);
// Second stage, in the writer's day loop, for d in increasing order.
void finishHolidays(RunState& state, int d, double epochDays, bool html);

}  // namespace ventorel
