// The old calendar as Japan officially kept it up to 1872: the months of the
// historical table replace, day by day, the months the sky gives.
#pragma once

#include "calendar/lunar_days.h"

namespace ventorel {

// Sets the month, leap flag and day of every day of the three years that lies in
// the historical table (from 0445-01-25 to 1872-12-31) to the table's, and marks
// the table's first days of months as month starts. The moon age stays the sky's;
// the days outside the table keep the months of the sky.
void takeHistoricalMonths(LunarDays& lunar);

}  // namespace ventorel
