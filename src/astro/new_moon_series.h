// The instants of the true new moons from the lunar-phase series of J. Meeus,
// Astronomical Algorithms (2nd ed., 1998), chapter 49: the mean lunation with
// its 25 periodic terms and 14 additional corrections.
//
// Good to some seconds for 1700-2300 and to a minute or two over -1000..3000,
// when compared with the lunar theory it was fitted to. Cheap (some 40 sines), so
// it serves as the starting point of the exact new-moon solve and as the
// independent check of it.
#pragma once

namespace ventorel {

// The instant of new moon number k (k = 0 is the new moon of 2000-01-06): a
// Julian Ephemeris Day (TT).
double newMoonJde(int k);

// The number k of the mean new moon nearest to a Julian Day (TT).
int nearestNewMoonNumber(double jde);

}  // namespace ventorel
