// Cheap apparent places of the Sun and the Moon, for the rising and setting
// times: right ascension and declination on the true equator and equinox of
// date, and the distance, from the low-precision series of J. Meeus,
// Astronomical Algorithms (2nd ed., 1998): the Sun of chapter 25 (about 0.01°)
// and the Moon of chapter 47 cut to its terms above 0.003° (about 0.01° in
// longitude and latitude, 20 km in distance). Enough for a rise or a set to a
// few seconds; the terms and the phases use the precise sky (sky_longitudes.h).
#pragma once

namespace ventorel {

struct EquatorialPlace {
  double rightAscension;  // degrees, 0..360
  double declination;     // degrees
  double distanceKm;
};

// The nutation in longitude and the true obliquity (degrees) at a Julian Day of
// TT, from the nutation's four largest terms (about 0.5″).
struct Nutation {
  double longitude, obliquity;
};
Nutation cheapNutation(double jdTt);

// The apparent place at a Julian Day of TT; the second forms take the nutation
// from the caller (one for a whole year moves a place by less than 10″).
EquatorialPlace cheapSunPlace(double jdTt);
EquatorialPlace cheapMoonPlace(double jdTt);
EquatorialPlace cheapSunPlace(double jdTt, const Nutation& nutation);
EquatorialPlace cheapMoonPlace(double jdTt, const Nutation& nutation);

// Greenwich mean sidereal time in degrees, not reduced to a turn, at a Julian
// Day of UT1.
double meanSiderealDegrees(double jdUt);

// Greenwich apparent sidereal time in degrees (0..360) at a Julian Day of UT1,
// to about 0.1 s of time.
double siderealDegrees(double jdUt);

}  // namespace ventorel
