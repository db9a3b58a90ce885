// The notice line and the three-year summary on the window: every day with a
// term or the start of an old-calendar month, with its date, weekday and moon age.
#pragma once

#include "calendar/lunar_days.h"
#include "data/builtin_tables.h"
#include "platform/surface.h"

namespace ventorel {

void printNotice(Surface& surface);
void drawSummary(Surface& surface, const BuiltinTables& names, const SkyTrio& skies, const LunarDays& lunar);

}  // namespace ventorel
