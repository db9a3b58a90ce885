// Delta T = TT - UT: the difference between the uniform time of the ephemerides
// and the time kept by the Earth's rotation, which the calendar's days follow.
//
// The polynomials of F. Espenak and J. Meeus (NASA eclipse web site, 2006), fitted
// to the values of Morrison & Stephenson (2004) before 1955, to the measured values
// of 1955-2005, and extrapolated after 2005. Valid for any year; the value is a
// measurement from about 1620 to today, an estimate from the ancient eclipses before
// that (uncertain by some minutes around year 0 and about ten minutes at -1000),
// and a forecast after today (uncertain by minutes by 2100).
#pragma once

namespace ventorel {

// Delta T in seconds for a decimal year (2024.5 is the middle of 2024).
double deltaTSeconds(double decimalYear);

// The decimal year of a Julian Day: 2000.0 at JD 2451545.0, in Julian years.
double decimalYearOfJulianDay(double jd);

// Universal Time of an instant given in Terrestrial Time, both as Julian Days.
double utOfTt(double jdTt);

}  // namespace ventorel
