// The national holidays of the chosen year: the holiday file's dates and n-th
// Mondays with the two equinox days, then the in-between and substitute holidays.
#pragma once

#include <optional>
#include <vector>

#include "astro/day_count.h"
#include "astro/year_sky.h"
#include "calendar/calendar_year.h"
#include "data/reference_data.h"

namespace ventorel {

// The first year that has national holidays; earlier years get none.
inline constexpr double FirstHolidayYear = 2006;

// The holiday of every day 0..lastDay of the chosen year `sky.year` (day 0 never
// has one).
std::vector<std::optional<DayHoliday>> holidaysOf(const HolidayFile& file, const YearSky& sky);

// The same under the holiday law in force on each day, with the equinox days of
// the sky: the 祝祭日 of the decrees from 1873 on, the 祝日 of the law from
// 1948-07-20 on; none before 1873, nor in a year that is not a whole number.
std::vector<std::optional<DayHoliday>> lawHolidaysOf(const HolidayLaw& law, const YearSky& sky);

}  // namespace ventorel
