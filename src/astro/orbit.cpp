#include "astro/orbit.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ventorel {

namespace {

// The orbit-plane position of a body at eccentric anomaly E (degrees), perihelion
// along +x: x = a (cos E - e), y = (a^2 - (e a)^2)^0.5 sin E.
struct PlanePoint {
  double x;
  double y;
};

PlanePoint orbitPlanePoint(double a, double e, double anomaly) {
  const double radians = anomaly / degPerRad;
  const double ea = e * a;
  return {a * (std::cos(radians) - e), std::pow(a * a - ea * ea, 0.5) * std::sin(radians)};
}

// Turns the plane point by the argument w in the plane, tilts the plane by the
// inclination i and turns it by the node: the (X, Y) of the ecliptic.
struct EclipticPoint {
  double x;
  double y;
};

EclipticPoint toEcliptic(PlanePoint p, double w, double inclination, double node) {
  const double wr = w / degPerRad;
  const double x1 = p.x * std::cos(wr) - p.y * std::sin(wr);
  const double y1 = p.x * std::sin(wr) + p.y * std::cos(wr);
  const double x2 = x1;
  const double y2 = y1 * std::cos(inclination / degPerRad);
  const double nr = node / degPerRad;
  return {x2 * std::cos(nr) - y2 * std::sin(nr), x2 * std::sin(nr) + y2 * std::cos(nr)};
}

// The direction of (x, y) in radians 0..2 PI: the arctangent of the quotient with
// the half-turn added for x < 0 (not a two-argument arctangent, whose last bit
// can differ).
double directionOf(double x, double y) {
  double lambda = std::atan(y / x);
  if (x < 0) lambda = lambda + PI;
  if (lambda > 2 * PI) lambda = lambda - 2 * PI;
  if (lambda < 0) lambda = lambda + 2 * PI;
  return lambda;
}

// The fraction of the orbit since the last perihelion passage.
double meanAnomalyFraction(double t, double offset, double period) {
  const double f = (t + offset) / period;
  return f - Int(f);
}

void sunPosition(OrbitTables& orbit, double t) {
  const double e = sunEccentricity(t);
  const double period = sunPeriod();
  const double perihelion = sunPerihelion(t);
  const double node = equinoxNode(t);

  const double anomaly = solveKepler(meanAnomalyFraction(t, orbit.perihelionOffset[SunBody], period), e);
  const PlanePoint p = orbitPlanePoint(orbit.orbitA[SunBody], e, anomaly);

  // The argument of perihelion projected on the ecliptic.
  const double inclination = orbit.orbitI[SunBody];
  const double d = perihelion - node;
  double w = std::atan(std::tan(d / degPerRad) / std::cos(inclination / degPerRad)) * degPerRad;
  if (std::cos(d / degPerRad) < 0) w = w + 180;

  // (X, Y) is the Earth about the Sun; the Sun is seen from the Earth along -X, -Y.
  const EclipticPoint earth = toEcliptic(p, w, inclination, node);
  const double lambda = directionOf(0 - earth.x, 0 - earth.y);
  orbit.eclipticLongitudeRad[SunBody] = lambda;
  orbit.eclipticLongitude[SunBody] = lambda * degPerRad;
}

// The Moon's short-period correction in degrees, d days after the epoch.
double moonCorrection(double d) {
  const double a = 2 * PI * (d + 29722.37496) / 411.92;
  const double b = 2 * PI * (d + 29722.37496) / 3231;
  return std::sin(a + std::sin(a) * 2 / 16) * (1.3 - std::sin(b) * 0.25);
}

void moonPosition(OrbitTables& orbit, double t) {
  const double node = moonNode(t);
  const double perigee = moonPerigee(t);
  const double anomaly =
      solveKepler(meanAnomalyFraction(t, orbit.perihelionOffset[MoonBody], MoonPeriod), MoonEccentricity);
  const PlanePoint p = orbitPlanePoint(orbit.orbitA[MoonBody], MoonEccentricity, anomaly);

  // The argument of perigee, taken in the orbit's own plane.
  double w = perigee - node;
  if (w < 0) w = w + 360;
  if (w > 360) w = w - 360;

  // The Moon's elements are geocentric: (X, Y) already points from the Earth.
  const EclipticPoint moon = toEcliptic(p, w, orbit.orbitI[MoonBody], node);
  const double longitude = directionOf(moon.x, moon.y) * degPerRad;
  const double corrected = longitude - moonCorrection(TropicalYear * t);
  orbit.eclipticLongitude[MoonBody] = corrected;
  orbit.eclipticLongitudeRad[MoonBody] = corrected / degPerRad;
}

// The halving of solveKepler evaluates its mean anomaly only at multiples of
// 180 / 2^17 degrees (its last move, by 180 / 2^18, comes after the last
// evaluation), so the sines of all those anomalies are taken once and kept.
constexpr double KeplerGrid = 180.0 / (1 << 17);
constexpr std::int64_t KeplerGridPoints = 1 << 18;  // 0 .. 360 - KeplerGrid degrees

// A grid point's anomaly in radians, j * KeplerGrid / degPerRad, and its sine:
// the very values the halving would compute, so the results stay the same to
// the last bit.
struct KeplerPoint {
  double radians;
  double sine;
};

const std::vector<KeplerPoint>& keplerPoints() {
  static const std::vector<KeplerPoint> points = [] {
    std::vector<KeplerPoint> table(static_cast<std::size_t>(KeplerGridPoints));
    for (std::size_t j = 0; j < table.size(); ++j) {
      const double radians = static_cast<double>(j) * KeplerGrid / degPerRad;
      table[j] = {radians, std::sin(radians)};
    }
    return table;
  }();
  return points;
}

}  // namespace

double reduceDegrees(double x) { return 360 * (x / 360 - Int(x / 360)); }

double solveKepler(double g, double e) {
  // The mean anomaly of grid point j, exactly as the halving computes it.
  const std::vector<KeplerPoint>& points = keplerPoints();
  auto meanAt = [&](std::int64_t j) {
    const KeplerPoint& p = points[static_cast<std::size_t>(j)];
    return (p.radians - e * p.sine) / (2 * PI);
  };
  // Halvings 1..17 move j, the anomaly in grid units, from 180 degrees by 90,
  // 45, ... degrees down to one unit; the means of both possible next points and
  // of their four successors are taken before the choice between them is known,
  // so that the choices do not wait for one division after the other.
  std::int64_t j = KeplerGridPoints / 2;
  std::int64_t step = KeplerGridPoints / 4;
  double mean = meanAt(j);
  double upMean = meanAt(j + step);
  double downMean = meanAt(j - step);
  for (int i = 1; i <= 17; ++i) {
    const std::int64_t half = step / 2;
    double upUp = 0, upDown = 0, downUp = 0, downDown = 0;  // not needed after the 16th halving
    if (half > 0) {
      upUp = meanAt(j + step + half);
      upDown = meanAt(j + step - half);
      downUp = meanAt(j - step + half);
      downDown = meanAt(j - step - half);
    }
    const bool up = g >= mean;
    j = up ? j + step : j - step;
    mean = up ? upMean : downMean;
    upMean = up ? upUp : downUp;
    downMean = up ? upDown : downDown;
    step = half;
  }
  // The 18th halving moves half a grid unit, onto the odd multiples of 180 / 2^18.
  const double anomaly = static_cast<double>(j) * KeplerGrid;
  return g >= mean ? anomaly + KeplerGrid / 2 : anomaly - KeplerGrid / 2;
}

double sunEccentricity(double t) {
  return 0.01 * std::sin(2 * (t + 817550) / 413000) + 0.03 + 0.01 * std::sin(2 * (t + 817550) / 100000);
}

double sunPerihelion(double t) { return reduceDegrees(102.971 + 360 * (t - 20.35) / PerihelionYears); }

double equinoxNode(double t) {
  const double u = -t / PrecessionYears;
  return 0.2448 + 360 * (u - Int(u));
}

double sunPeriod() { return 1 + 1 / PrecessionYears + 1 / PerihelionYears; }

double moonNode(double t) { return reduceDegrees(-247.1887 - 360 * t / 18.599926299321); }

double moonPerigee(double t) { return reduceDegrees(96.0 + 360 * t / 8.850581814628); }

double sunPerihelionOffset(double eccentricity) {
  const double e0 = SunEpochAnomaly / degPerRad;
  return sunPeriod() * (e0 - eccentricity * std::sin(e0)) / (2 * PI);
}

double moonPerigeeOffset() {
  const double e0 = MoonEpochAnomaly / degPerRad;
  return MoonPeriodAtPassStart * (e0 - MoonEccentricity * std::sin(e0)) / (2 * PI);
}

void bodyPosition(OrbitTables& orbit, int body, double t) {
  switch (body) {
    case SunBody: sunPosition(orbit, t); return;
    case MoonBody: moonPosition(orbit, t); return;
    default: throw std::invalid_argument("no orbit model for body " + std::to_string(body));
  }
}

}  // namespace ventorel
