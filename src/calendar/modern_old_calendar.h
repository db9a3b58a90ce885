// The old calendar of three years by the modern month rule (modern_lunar_months.h)
// over the new moons and 中気 of a sky that places them on their true days.
#pragma once

#include "astro/year_sky.h"
#include "calendar/lunar_days.h"

namespace ventorel {

// The old calendar of the three years of `skies`. `before` and `after` are the
// skies of the years either side of them, so that each of the three years lies
// between two 冬至 months and its leap month is found wherever it falls. Every
// day gets the month and day of its lunar month; the moon age is the day of the
// month. Throws std::runtime_error when the skies break the rule (no 冬至, or two
// of them an impossible number of months apart).
LunarDays modernOldCalendar(const SkyTrio& skies, const YearSky& before, const YearSky& after);

}  // namespace ventorel
