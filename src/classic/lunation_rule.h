// The rule the month numbering implements, checked lunation by lunation.
//
// The step-by-step numbering of the month list works from marks in the list
// alone; in a few percent of the computed years (never with the new-moon table)
// its steps combine into months no lunisolar calendar has: two leap months in one
// year, a number skipped or out of order, a leap month lost. Those spans are
// renamed from the rule itself; every span the steps number rightly is left as
// it is.
#pragma once

#include <string>
#include <vector>

#include "calendar/lunar_days.h"

namespace ventorel {

// The rule, on the time-ordered lunations of the three years: the lunation that
// contains 冬至 is 11月; between two such anchors lie 11 lunations, named 12月,
// 1月, ..., 10月, or 12, of which the first without a 中気 is the leap month,
// the leap month of the lunation before it.
//
// For each span between two consecutive anchors with a lunation that overlaps the
// chosen year (the middle sky): when any lunation between the anchors has a name
// in `months` (one per new moon in time order) other than the rule's, every
// lunation between the anchors takes the rule's name. The anchors themselves,
// spans without both anchors in the three years and spans whose count fits
// neither case are not touched. Returns the number of spans renamed.
int mendMonthsAgainstRule(const SkyTrio& skies, std::vector<LunarMonth>& months);

}  // namespace ventorel
