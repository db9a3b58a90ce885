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

#include "astro/delta_t.h"
#include "astro/new_moon_series.h"

namespace ventorel::tools {

// The series and Delta T are the engine's own, shared with the precise sky.
using ventorel::deltaTSeconds;
using ventorel::newMoonJde;

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
