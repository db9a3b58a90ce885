// The header lines of each computed year in its column of the window.
#pragma once

#include <string>

#include "astro/sexagenary.h"
#include "calendar/lunar_days.h"
#include "data/reference_data.h"
#include "platform/surface.h"

namespace ventorel {

// For each of the three years, in its column (grid x 100, 4100, 8100), in font
// size 9, red 180/0/0 for the chosen year and black otherwise: the era line at
// grid y 600 (from 645 on), the second-court line at 800 (1331..1392) and the
// year line at 400.
void drawYearHeaders(Surface& surface, const ReferenceData& data, double enteredYear, const SkyTrio& skies);

// The year a column shows in the user's numbering: the entered year plus the
// column's offset, skipping 0 (the year before 1 is -1, the year after -1 is 1).
double shownYear(double enteredYear, int yearOffset);
// "西暦2024年(ｸﾞﾚｺﾞﾘｵ暦)  甲辰（たつ）の年 ": the shown year with the stem, branch and
// animal of the astronomical year.
std::string yearLine(const BuiltinTables& names, double astronomicalYear, double shown);

}  // namespace ventorel
