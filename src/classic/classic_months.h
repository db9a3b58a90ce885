// The classic old calendar: the month list numbered from the 冬至 anchors and
// the leap marks, mended against the lunisolar rule, and the published months of
// early 1985.
#pragma once

#include <string>
#include <vector>

#include "calendar/lunar_days.h"

namespace ventorel {

// The old calendar from the skies of the three years around the entered year
// (user numbering): the months numbered from the 冬至 anchors and the leap marks,
// mended where the numbering breaks the lunisolar rule, the published months of
// early 1985, and every day's month and day carried from its new moon.
LunarDays oldCalendar(const SkyTrio& skies, double enteredYear);

// The month names of the new moons of the three years in time order, as the
// numbering from the anchor and leap marks gives them, before the rule's check
// ("11月", "閏4月"; the mend and the 1985 correction not applied).
std::vector<LunarMonth> monthsFromMarks(const SkyTrio& skies);

}  // namespace ventorel
