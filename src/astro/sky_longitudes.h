// Apparent geocentric ecliptic longitudes of the Sun and the Moon, referred to
// the true equinox of date: what an observer at the Earth's centre sees, with
// light time, aberration, precession and nutation applied. One function per
// quantity; each gives the longitude and its rate, for the event solvers' Newton
// steps.
//
// Sources (all from ERFA, the open copy of the IAU's SOFA routines): the Earth
// from eraEpv00, the Moon from eraMoon98, the cheaper Earth of eraPlan94 where a
// few arcseconds suffice, the precession-and-ecliptic matrix of IAU 2006
// (eraEcm06), and the nutation in longitude of IAU 2000B (eraNut00b, 1 mas).
//
// Valid range: years -1000..3000 (see PreciseSkyFirstYear in precise_sky.h).
// eraEpv00 matches the JPL ephemeris to 5 km (0.01") in 1900-2100 and degrades
// by a factor of about 60 at 1000 and 3000 (under 1"); eraMoon98 keeps about
// 10" of lunar longitude over the span. Beyond it the Delta T that turns these
// instants into days is itself unknown by an hour or more, so a day is no better
// than a guess.
#pragma once

namespace ventorel {

// An angle in degrees, 0 <= degrees < 360, with its rate of change in degrees
// per day.
struct SkyLongitude {
  double degrees;
  double degreesPerDay;
};

// The Sun's apparent longitude at a Julian Day of TT. Accurate to about 0.1" in
// 1600-2200 (about 2 s of time at a solar term). Costs one eraEpv00 (~40 us).
SkyLongitude sunApparentLongitude(double jdTt);

// The Moon's apparent longitude at a Julian Day of TT, light time included.
// Accurate to about 10" (some 20 s of time at a new moon).
SkyLongitude moonApparentLongitude(double jdTt);

// The Moon's apparent longitude less the Sun's, 0 <= degrees < 360: 0 at new
// moon. Nutation is the same for both bodies and drops out; the Sun comes from
// eraPlan94's Earth-Moon barycentre less the Moon's share, good to some
// arcseconds, which moves a new moon by a few seconds only (the elongation
// runs twelve times faster than the Sun).
SkyLongitude moonSunElongation(double jdTt);

// A cheap apparent solar longitude (eraPlan94 Earth-Moon barycentre, mean
// aberration, no nutation), within about 30" of sunApparentLongitude: the start
// of the solar-term solve.
SkyLongitude roughSunLongitude(double jdTt);

}  // namespace ventorel
