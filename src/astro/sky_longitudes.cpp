#include "astro/sky_longitudes.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace ventorel {

namespace {

// Speed of light in au per day.
constexpr double LightAuPerDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
// Earth mass over Moon mass (DE405): the Earth lies 1/(1 + ratio) of the way to
// the Moon from the Earth-Moon barycentre.
constexpr double EarthMoonMassRatio = 81.3005690769;
// The general precession in longitude, degrees per day (5028.8" a century): the
// equinox of date moves back along the ecliptic, so every longitude of date grows.
constexpr double PrecessionDegreesPerDay = 5028.796195 / 3600.0 / 36525.0;
// The Sun's mean annual aberration in longitude at 1 au, radians (20.4898").
constexpr double AnnualAberration = 20.4898 * ERFA_DAS2R;

double degreesInCircle(double radians) { return eraAnp(radians) * ERFA_DR2D; }

// Longitude and its rate on the mean ecliptic and equinox of date, for a
// position p and a motion v given on the GCRS axes (any length unit, per day).
SkyLongitude eclipticLongitude(double rm[3][3], double p[3], double v[3]) {
  double q[3], w[3];
  eraRxp(rm, p, q);
  eraRxp(rm, v, w);
  const double r2 = q[0] * q[0] + q[1] * q[1];
  return {degreesInCircle(std::atan2(q[1], q[0])), (q[0] * w[1] - q[1] * w[0]) / r2 * ERFA_DR2D + PrecessionDegreesPerDay};
}

// The geocentric direction of the Sun corrected for annual aberration: p is the
// Sun as seen from the Earth's centre (au), earthVelocity the Earth's velocity
// (au/day) in the barycentric frame.
void aberrated(double p[3], double earthVelocity[3], double out[3]) {
  double unit[3], distance, v[3];
  eraPn(p, &distance, unit);
  eraSxp(1.0 / LightAuPerDay, earthVelocity, v);
  eraAb(unit, v, distance, std::sqrt(1.0 - eraPdp(v, v)), out);
  eraSxp(distance, out, out);
}

// The Moon's geocentric position and velocity now (au, au/day, GCRS), and its
// position as light left it.
void moonAsSeen(double jdTt, double pv[2][3], double p[3]) {
  eraMoon98(jdTt, 0.0, pv);
  const double lightTime = eraPm(pv[0]) / LightAuPerDay;
  for (int i = 0; i < 3; ++i) p[i] = pv[0][i] - lightTime * pv[1][i];
}

double nutationInLongitudeDegrees(double jdTt) {
  double dpsi, deps;
  eraNut00b(jdTt, 0.0, &dpsi, &deps);
  return dpsi * ERFA_DR2D;
}

}  // namespace

SkyLongitude sunApparentLongitude(double jdTt) {
  double helio[2][3], bary[2][3];
  eraEpv00(jdTt, 0.0, helio, bary);  // status 1 only warns outside 1900-2100
  // The Sun as light left it: its barycentric motion over the light time.
  const double lightTime = eraPm(helio[0]) / LightAuPerDay;
  double p[3], v[3];
  for (int i = 0; i < 3; ++i) {
    p[i] = -helio[0][i] - lightTime * (bary[1][i] - helio[1][i]);
    v[i] = -helio[1][i];
  }
  double seen[3];
  aberrated(p, bary[1], seen);
  double rm[3][3];
  eraEcm06(jdTt, 0.0, rm);
  SkyLongitude sun = eclipticLongitude(rm, seen, v);
  sun.degrees = degreesInCircle((sun.degrees + nutationInLongitudeDegrees(jdTt)) * ERFA_DD2R);
  return sun;
}

SkyLongitude moonApparentLongitude(double jdTt) {
  double pv[2][3], p[3], rm[3][3];
  moonAsSeen(jdTt, pv, p);
  eraEcm06(jdTt, 0.0, rm);
  SkyLongitude moon = eclipticLongitude(rm, p, pv[1]);
  moon.degrees = degreesInCircle((moon.degrees + nutationInLongitudeDegrees(jdTt)) * ERFA_DD2R);
  return moon;
}

SkyLongitude moonSunElongation(double jdTt) {
  double moonNow[2][3], moonP[3], barycentre[2][3], rm[3][3];
  moonAsSeen(jdTt, moonNow, moonP);
  eraPlan94(jdTt, 0.0, 3, barycentre);  // status 1 only warns outside 1000-3000
  double sunP[3], sunV[3], earthV[3];
  for (int i = 0; i < 3; ++i) {
    sunP[i] = -(barycentre[0][i] - moonNow[0][i] / (1 + EarthMoonMassRatio));
    earthV[i] = barycentre[1][i] - moonNow[1][i] / (1 + EarthMoonMassRatio);
    sunV[i] = -earthV[i];
  }
  double sunSeen[3];
  aberrated(sunP, earthV, sunSeen);
  eraEcm06(jdTt, 0.0, rm);
  const SkyLongitude moon = eclipticLongitude(rm, moonP, moonNow[1]);
  const SkyLongitude sun = eclipticLongitude(rm, sunSeen, sunV);
  return {degreesInCircle((moon.degrees - sun.degrees) * ERFA_DD2R), moon.degreesPerDay - sun.degreesPerDay};
}

SkyLongitude roughSunLongitude(double jdTt) {
  double barycentre[2][3], rm[3][3], p[3], v[3];
  eraPlan94(jdTt, 0.0, 3, barycentre);
  eraSxp(-1.0, barycentre[0], p);
  eraSxp(-1.0, barycentre[1], v);
  eraEcm06(jdTt, 0.0, rm);
  SkyLongitude sun = eclipticLongitude(rm, p, v);
  sun.degrees = degreesInCircle(sun.degrees * ERFA_DD2R - AnnualAberration / eraPm(p));
  return sun;
}

}  // namespace ventorel
