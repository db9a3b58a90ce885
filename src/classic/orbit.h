// Kepler orbits of the two bodies the calendar follows: the Earth (slot 3, from
// which the Sun's apparent position follows) and the Moon (slot 10).
//
// Every angle is held in degrees and divided by DegreesPerRadian before a sine, cosine
// or tangent; the operations keep a fixed order so that the results are the same
// to the last bit on every machine (a term or new moon near midnight would
// otherwise move a whole day).
#pragma once

#include <cmath>
#include <optional>

#include "classic/turning_angle.h"
#include "data/builtin_tables.h"
#include "data/checked_table.h"
#include "data/numbers.h"

namespace ventorel {

inline constexpr double DegreesPerRadian = 360 / (2 * PI);

inline constexpr int SunBody = 3;
inline constexpr int MoonBody = 10;

// Years of one turn of the equinox and of the Earth's perihelion.
inline constexpr double PrecessionYears = 25868;
inline constexpr double PerihelionYears = 23000;

// The Sun's eccentricity 0.03 + 0.01 sin(2 u / A) + 0.01 sin(2 u / B), u = t + epoch.
inline constexpr double EccentricityEpoch = 817550;
inline constexpr double EccentricityPeriodA = 413000;
inline constexpr double EccentricityPeriodB = 100000;

// Tropical years of one turn of the Moon's perigee and of its node.
inline constexpr double MoonPerigeeYears = 8.850581814628;
inline constexpr double MoonNodeYears = 18.599926299321;

// Days of the two angles of the Moon's short-period correction, and their epoch.
inline constexpr double MoonCorrectionDaysA = 411.92;
inline constexpr double MoonCorrectionDaysB = 3231;
inline constexpr double MoonCorrectionEpoch = 29722.37496;

// Eccentric anomaly at the epoch (tYears = 0), degrees.
inline constexpr double SunEpochAnomaly = 223.943;
inline constexpr double MoonEpochAnomaly = 47.2511;

// The Moon's fixed elements: eccentricity, anomalistic month in tropical years,
// and the slightly different month used for the time since perigee at a pass start.
inline constexpr double MoonEccentricity = 0.0548799;
inline constexpr double MoonPeriod = 0.0754418590789;
inline constexpr double MoonPeriodAtPassStart = 0.07544184700820254;

// An angle in degrees reduced to 0..360 as 360 * (x / 360 - floorInt(x / 360)).
double reduceDegrees(double x);

// How far x lies from the nearest whole multiple of step (the walk's bounds and turns).
inline double offMultiple(double x, double step) { return std::fabs(x - step * std::round(x / step)); }

// The eccentric anomaly in degrees for a mean-anomaly fraction g in [0, 1) and
// eccentricity e (below 1): the result of a bisection from 180 degrees in exactly
// 18 halvings, so that it is always an odd multiple of 180 / 2^18. It is found
// by Newton's method and a check of the grid points beside the root, with the
// same result to the last bit.
double solveKepler(double g, double e);

// The Earth's slowly changing elements at time t (tropical years since the epoch).
double sunEccentricity(double t);
double sunPerihelion(double t);  // longitude of perihelion, degrees
double equinoxNode(double t);    // longitude of the ascending node, degrees
double sunPeriod();              // years: one turn against the turning equinox and perihelion

// The Moon's turning elements at time t, degrees 0..360.
double moonNode(double t);
double moonPerigee(double t);

// Years from the body's last perihelion (perigee) passage before the epoch to the
// epoch, with the eccentricity of the pass start.
double sunPerihelionOffset(double eccentricity);
double moonPerigeeOffset();

// The orbit values of one daily walk, per body slot 1..10: the fixed elements it
// starts from, the offset of the walk's start, and the latest longitudes.
struct OrbitTables {
  explicit OrbitTables(const OrbitElements& elements = OrbitElements());

  const Table<double, 11> orbitA;
  const Table<double, 11> orbitI;
  // Values of the fixed elements that every day of a walk needs, taken once:
  // cos(orbitI / DegreesPerRadian) per body, and the Moon's semi-minor axis
  // (a^2 - (e a)^2)^0.5, computed as the daily position computes them.
  Table<double, 11> cosInclination{"cosInclination"};
  double moonMinorAxis = 0;
  Table<double, 11> perihelionOffset{"perihelionOffset"};
  Table<double, 11> eclipticLongitude{"eclipticLongitude"};
  Table<double, 11> eclipticLongitudeRad{"eclipticLongitudeRad"};
};

// The body's geocentric ecliptic longitude at time t: writes its eclipticLongitude
// (degrees) and eclipticLongitudeRad. Only the Sun (3) and the Moon (10) are
// modelled; any other body throws std::invalid_argument. perihelionOffset[body]
// must have been set for the walk.
void bodyPosition(OrbitTables& orbit, int body, double t);

// The same longitudes with Kepler's equation solved to the last bit instead of by
// the halving, for the days of one walk in order, at a fraction of the cost: the
// root starts from the day before's, and the sines and cosines of the angles that
// move on evenly are turned on day by day (turning_angle.h). They exist to spare
// the daily walk the halving: the walk takes them where every decision it makes
// with them is certain, and bodyPosition's own values elsewhere.
//
// How far they can lie from bodyPosition's: the halving's anomaly lies within half
// a grid step (180 / 2^18 degrees) of the root. The direction in the orbit turns at
// most sqrt((1 + e) / (1 - e)) times as fast as the anomaly, and the tilt of the
// orbit onto the ecliptic at most 1 / cos i times as fast as that. Everything else
// the two compute alike, up to the turned sines and cosines (under 3e-9) and
// rounding: under 1e-6 degrees in all. margin() gives the bound with a third more
// in reserve: 0.000975 degrees for the Earth's largest eccentricity, 0.05, and
// 0.00098 for the Moon.
struct SmoothMoon {
  double direction;  // degrees 0..360, the direction from the orbit
  double longitude;  // after the short-period correction
};

class SmoothOrbit {
 public:
  explicit SmoothOrbit(const OrbitTables& orbit);

  // The Sun's apparent longitude at time t, degrees 0..360; none when the Earth's
  // orbit is not in the ecliptic or Newton's steps do not settle.
  std::optional<double> sunLongitude(double t);
  // The Moon's position at time t; none when Newton's steps do not settle.
  std::optional<SmoothMoon> moonPosition(double t);

  static double margin(double eccentricity, double cosInclination);

 private:
  struct Body {
    explicit Body(double step) : mean(step) {}
    TurningAngle mean;
    double centre = 0;  // eccentric less mean anomaly on the day before, radians
  };
  std::optional<SinCos> eccentricAnomaly(Body& body, double g, double e);

  const OrbitTables& orbit_;
  Body sun_;
  TurningAngle eccentricityArgs_[2];
  Body moon_;
  TurningAngle moonArgument_;
  TurningAngle correctionA_;
  TurningAngle correctionB_;
};

}  // namespace ventorel
