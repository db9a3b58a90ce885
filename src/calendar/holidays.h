// The national holidays of the chosen year under the law of each day.
#pragma once

#include <optional>
#include <vector>

#include "astro/day_count.h"
#include "astro/year_sky.h"
#include "calendar/calendar_year.h"
#include "data/holiday_law.h"

namespace ventorel {

// The holiday of each day 0..lastDay of a year; day 0 never has one.
using YearHolidays = std::vector<std::optional<DayHoliday>>;

// The holiday of every day 0..lastDay of the chosen year `sky.year` under the
// holiday law in force on each day, with the equinox days of
// the sky: the 祝祭日 of the decrees from 1873 on, the 祝日 of the law from
// 1948-07-20 on; none before 1873, nor in a year that is not a whole number.
std::vector<std::optional<DayHoliday>> lawHolidaysOf(const HolidayLaw& law, const YearSky& sky);

}  // namespace ventorel
