// The almanac's rounding of an instant to its minute: to the nearest minute, a
// half minute going up (12:34:30 is 12:35, 23:59:30 is 00:00 of the next day).
#pragma once

#include <cmath>
#include <cstdint>

namespace ventorel {

// The nearest whole minute to a count of minutes (any sign).
inline std::int64_t nearestWholeMinute(double minutes) { return static_cast<std::int64_t>(std::floor(minutes + 0.5)); }

}  // namespace ventorel
