// The moon's age at noon: the days since the last new moon, as the almanacs print
// it for 12:00 JST of each day (正午月齢).
#pragma once

#include <optional>
#include <vector>

#include "calendar/lunar_days.h"

namespace ventorel {

// The age at 12:00 JST of every day 0..lastDay of the chosen year (the middle of
// the three skies; day 0 is left empty): the time from the last new moon before
// that noon, in days, rounded to a tenth (2024-01-01: 19.1). The new moons are
// those of the year and of the year before. Empty for every day when a sky gives
// its new moons as days only (the classic model), or no new moon precedes.
std::vector<std::optional<double>> noonMoonAges(const SkyTrio& skies);

}  // namespace ventorel
