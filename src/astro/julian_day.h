// Julian Day Numbers: the count of days that historical tables are keyed by,
// and its link to the engine's own day number `epochDays`.
//
// A Julian Day Number (JDN) names a whole civil day; JDN 0 is 24 November 4714 BC
// of the proleptic Gregorian calendar (year -4713). Both counts are whole days, so
// the link is a fixed offset.
#pragma once

#include <cstdint>

#include "astro/day_count.h"

namespace ventorel {

// JDN of 1 January of year 1 (proleptic Gregorian).
inline constexpr std::int64_t JdnOfYearOne = 1721426;
// JDN of epochDays day 0, 1982-08-19.
inline constexpr std::int64_t JdnOfEpochDayZero = JdnOfYearOne + static_cast<std::int64_t>(EpochOffset);
static_assert(JdnOfEpochDayZero == 2445201);

// The Julian Day of the epoch J2000.0 (2000-01-01 12:00 TT), and the Julian
// centuries of TT since it, the time argument of the series.
inline constexpr double JulianDayJ2000 = 2451545.0;
inline constexpr double DaysPerJulianCentury = 36525.0;
constexpr double centuriesSinceJ2000(double jd) { return (jd - JulianDayJ2000) / DaysPerJulianCentury; }

// The JDN of an epochDays day number (a whole number held in a double).
std::int64_t jdnOfEpochDay(double epochDay);

// The epochDays day number of a JDN.
double epochDayOfJdn(std::int64_t jdn);

// The JDN of a proleptic Gregorian date, for any astronomical year (0 = 1 BC);
// month 1..12 (another month ends the run through the bounds check), day 1..31.
std::int64_t jdnOfGregorian(int year, int month, int day);

}  // namespace ventorel
