// The table of new moons that "singetu.dat" ships: every new moon of a span of
// years as a calendar date of Japan Standard Time (UTC+9).
//
// Instants come from the lunar-phase series of J. Meeus, Astronomical Algorithms
// (2nd ed., 1998), chapter 49, with every periodic and additional correction. They
// are in Terrestrial Time and are brought to Universal Time with the
// Espenak–Meeus polynomials for Delta T (NASA eclipse web site, 2006).
#pragma once

#include <string>
#include <vector>

namespace ventorel::tools {

// The instant of mean-phase new moon number k (k = 0 is the new moon of
// 2000-01-06), corrected to the true new moon: a Julian Ephemeris Day (TT).
double newMoonJde(int k);

// Delta T = TT - UT in seconds for a decimal year (2024.5 is mid-2024).
double deltaTSeconds(double decimalYear);

// A Gregorian calendar date with the time of day.
struct CivilTime {
  int year, month, day, hour, minute;
  double second;
};

// The Gregorian date and time of a Julian Day (any time scale; no time zone).
CivilTime civilTimeOfJulianDay(double jd);

struct NewMoon {
  int k;
  double jde;      // TT
  double jdUt;     // UT
  CivilTime jst;   // Japan Standard Time
  double secondsFromMidnight;  // signed distance to the nearest JST midnight
};

// Every new moon whose JST date lies in firstYear..lastYear, in order.
std::vector<NewMoon> newMoonsJst(int firstYear, int lastYear);

// The file text: one line "year,month,day" per new moon, each ended by CR LF.
std::string newMoonTableText(int firstYear, int lastYear);

}  // namespace ventorel::tools
