// Kepler orbits of the two bodies the calendar follows: the Earth (slot 3, from
// which the Sun's apparent position follows) and the Moon (slot 10).
//
// Every angle is held in degrees and divided by degPerRad before a sine, cosine
// or tangent; the operations keep a fixed order so that the results are the same
// to the last bit on every machine (a term or new moon near midnight would
// otherwise move a whole day).
#pragma once

#include "data/builtin_tables.h"
#include "data/checked_table.h"
#include "data/numbers.h"

namespace ventorel {

inline constexpr double degPerRad = 360 / (2 * PI);

inline constexpr int SunBody = 3;
inline constexpr int MoonBody = 10;

// Years of one turn of the equinox and of the Earth's perihelion.
inline constexpr double PrecessionYears = 25868;
inline constexpr double PerihelionYears = 23000;

// Eccentric anomaly at the epoch (tYears = 0), degrees.
inline constexpr double SunEpochAnomaly = 223.943;
inline constexpr double MoonEpochAnomaly = 47.2511;

// The Moon's fixed elements: eccentricity, anomalistic month in tropical years,
// and the slightly different month used for the time since perigee at a pass start.
inline constexpr double MoonEccentricity = 0.0548799;
inline constexpr double MoonPeriod = 0.0754418590789;
inline constexpr double MoonPeriodAtPassStart = 0.07544184700820254;

// An angle in degrees reduced to 0..360 as 360 * (x / 360 - Int(x / 360)).
double reduceDegrees(double x);

// The eccentric anomaly in degrees for a mean-anomaly fraction g in [0, 1) and
// eccentricity e: bisection from 180 degrees in exactly 18 halvings, so that the
// result is always an odd multiple of 180 / 2^18.
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
  explicit OrbitTables(const OrbitElements& elements = OrbitElements())
      : orbitA(elements.orbitA), orbitI(elements.orbitI) {}

  Table<double, 11> orbitA;
  Table<double, 11> orbitI;
  Table<double, 11> perihelionOffset{"perihelionOffset"};
  Table<double, 11> eclipticLongitude{"eclipticLongitude"};
  Table<double, 11> eclipticLongitudeRad{"eclipticLongitudeRad"};
};

// The body's geocentric ecliptic longitude at time t: writes its eclipticLongitude
// (degrees) and eclipticLongitudeRad. Only the Sun (3) and the Moon (10) are
// modelled; any other body throws std::invalid_argument. perihelionOffset[body]
// must have been set for the walk.
void bodyPosition(OrbitTables& orbit, int body, double t);

}  // namespace ventorel
