// The national holidays of the chosen year by the holiday file (shuku.dat): its
// dates and n-th Mondays with the two equinox days, then the in-between and
// substitute holidays.
#pragma once

#include "calendar/holidays.h"
#include "data/reference_data.h"

namespace ventorel {

// The first year that has national holidays; earlier years get none.
inline constexpr double FirstHolidayYear = 2006;

// The holiday of every day 0..lastDay of the chosen year `sky.year` (day 0 never
// has one).
YearHolidays holidaysOf(const HolidayFile& file, const YearSky& sky);

}  // namespace ventorel
