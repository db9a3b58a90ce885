// The texts of the almanac's sky for the outputs: the Moon's phase names and
// the clock of a rise or a set.
#pragma once

#include <optional>
#include <string>

#include "astro/eclipses.h"
#include "astro/rise_set.h"

namespace ventorel {

// 朔, 上弦, 望, 下弦 for quarters 0..3.
const char* phaseName(int quarter);
// "06:51" for 411 minutes after midnight.
std::string minuteClock(int minuteOfDay);
// Appends "06:51" without a temporary.
void appendMinuteClock(std::string& out, int minuteOfDay);
// "06:51" or "--:--" for a day without the event.
std::string minuteClockOrDashes(const std::optional<int>& minuteOfDay);

// "1.155": a number with `decimals` digits after the point.
std::string fixedText(double x, int decimals);
// 皆既, 金環, 金環皆既, 部分, 半影.
const char* eclipseKindName(EclipseKind kind);
// 日食 or 月食.
const char* eclipseBodyName(EclipseBody body);

}  // namespace ventorel
