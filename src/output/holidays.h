// National holidays of the chosen year: the holiday file's dates and n-th
// Mondays with the two equinox days, then the in-between and substitute holidays.
#pragma once

#include <string>

#include "app/run_state.h"

namespace ventorel {

// The first year that has national holidays; earlier years get none.
inline constexpr double FirstHolidayYear = 2006;

// First stage, in the annotation walk: day d with Gregorian month m and day dd.
void assignHolidays(RunState& state, int d, int m, int dd, double epochDays);
// Second stage, in the writer's day loop, for d in increasing order.
void finishHolidays(RunState& state, int d, double epochDays, bool html);

// The page form of a holiday name: the article link for a known name, the name
// with its markup characters escaped otherwise.
std::string holidayHtml(const std::string& name);

}  // namespace ventorel
