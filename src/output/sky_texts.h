// The texts of the almanac's sky for the outputs: the clock of a rise or a set,
// and its numbers (the names of the phases and eclipses are output/names.h's).
#pragma once

#include <optional>
#include <string>

#include "astro/rise_set.h"

namespace ventorel {

// "06:51" for 411 minutes after midnight.
std::string minuteClock(int minuteOfDay);
// Appends "06:51" without a temporary.
void appendMinuteClock(std::string& out, int minuteOfDay);
// "06:51" or "--:--" for a day without the event.
std::string minuteClockOrDashes(const std::optional<int>& minuteOfDay);

// "1.155": a number with `decimals` digits after the point.
std::string fixedText(double x, int decimals);

}  // namespace ventorel
