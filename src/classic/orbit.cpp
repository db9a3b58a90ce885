#include "classic/orbit.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace ventorel {

namespace {

// The orbit-plane position of a body at eccentric anomaly E (degrees), perihelion
// along +x: x = a (cos E - e), y = (a^2 - (e a)^2)^0.5 sin E.
struct PlanePoint {
  double x;
  double y;
};

// The semi-minor axis (a^2 - (e a)^2)^0.5.
double minorAxis(double a, double e) {
  const double ea = e * a;
  return std::pow(a * a - ea * ea, 0.5);
}

PlanePoint orbitPlanePoint(double a, double minor, double e, double anomaly) {
  const double radians = anomaly / DegreesPerRadian;
  return {a * (std::cos(radians) - e), minor * std::sin(radians)};
}

// Turns the plane point by the argument w in the plane, tilts the plane by the
// inclination i and turns it by the node: the (X, Y) of the ecliptic.
struct EclipticPoint {
  double x;
  double y;
};

EclipticPoint toEcliptic(PlanePoint p, double w, double cosInclination, double node) {
  const double wr = w / DegreesPerRadian;
  const double x1 = p.x * std::cos(wr) - p.y * std::sin(wr);
  const double y1 = p.x * std::sin(wr) + p.y * std::cos(wr);
  const double x2 = x1;
  const double y2 = y1 * cosInclination;
  const double nr = node / DegreesPerRadian;
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
  return f - floorInt(f);
}

void sunPosition(OrbitTables& orbit, double t) {
  const double e = sunEccentricity(t);
  const double period = sunPeriod();
  const double perihelion = sunPerihelion(t);
  const double node = equinoxNode(t);

  const double anomaly = solveKepler(meanAnomalyFraction(t, orbit.perihelionOffset[SunBody], period), e);
  const double a = orbit.orbitA[SunBody];
  const PlanePoint p = orbitPlanePoint(a, minorAxis(a, e), e, anomaly);

  // The argument of perihelion projected on the ecliptic.
  const double cosInclination = orbit.cosInclination[SunBody];
  const double d = perihelion - node;
  double w = std::atan(std::tan(d / DegreesPerRadian) / cosInclination) * DegreesPerRadian;
  if (std::cos(d / DegreesPerRadian) < 0) w = w + 180;

  // (X, Y) is the Earth about the Sun; the Sun is seen from the Earth along -X, -Y.
  const EclipticPoint earth = toEcliptic(p, w, cosInclination, node);
  const double lambda = directionOf(0 - earth.x, 0 - earth.y);
  orbit.eclipticLongitudeRad[SunBody] = lambda;
  orbit.eclipticLongitude[SunBody] = lambda * DegreesPerRadian;
}

// The Moon's short-period correction in degrees, d days after the epoch.
double moonCorrection(double d);

void moonPosition(OrbitTables& orbit, double t) {
  const double node = moonNode(t);
  const double perigee = moonPerigee(t);
  const double anomaly =
      solveKepler(meanAnomalyFraction(t, orbit.perihelionOffset[MoonBody], MoonPeriod), MoonEccentricity);
  const PlanePoint p = orbitPlanePoint(orbit.orbitA[MoonBody], orbit.moonMinorAxis, MoonEccentricity, anomaly);

  // The argument of perigee, taken in the orbit's own plane.
  double w = perigee - node;
  if (w < 0) w = w + 360;
  if (w > 360) w = w - 360;

  // The Moon's elements are geocentric: (X, Y) already points from the Earth.
  const EclipticPoint moon = toEcliptic(p, w, orbit.cosInclination[MoonBody], node);
  const double longitude = directionOf(moon.x, moon.y) * DegreesPerRadian;
  const double corrected = longitude - moonCorrection(TropicalYear * t);
  orbit.eclipticLongitude[MoonBody] = corrected;
  orbit.eclipticLongitudeRad[MoonBody] = corrected / DegreesPerRadian;
}

// The halving that defines solveKepler's result evaluates the mean anomaly only at
// the grid points j * 180 / 2^17 degrees, j = 1 .. 2^18 - 1 (its last move, by
// 180 / 2^18, comes after the last evaluation).
constexpr double KeplerGrid = 180.0 / (1 << 17);
constexpr std::int64_t KeplerGridPoints = 1 << 18;  // 0 .. 360 - KeplerGrid degrees

// The mean-anomaly fraction of grid point j, with exactly the arithmetic of the
// halving: the result must match it to the last bit.
double meanAtGridPoint(std::int64_t j, double e) {
  const double radians = static_cast<double>(j) * KeplerGrid / DegreesPerRadian;
  return (radians - e * std::sin(radians)) / (2 * PI);
}

// The root of E - e sin E = m (radians) and whether it is known: by Newton's
// method from E = m. Only that first point takes a sine and cosine; each step
// turns them on by the step with their Taylor series, whose error is below 1e-18
// for the steps of the eccentricities here (under 0.06 radians) and below 1e-10
// up to e = 0.3. Once a step is below 1e-5 radians (`converged`) the root is
// known to about 1e-10 at worst; at most 8 steps are taken. The series keep
// their own arithmetic, not turned()'s: solveKepler's margins were proven on it.
struct KeplerRoot {
  double anomaly;
  bool converged;
};

KeplerRoot keplerRoot(double m, double e) {
  double anomaly = m;
  double sine = std::sin(m), cosine = std::cos(m);
  bool converged = false;
  for (int i = 0; i < 8 && !converged; ++i) {
    const double step = (anomaly - e * sine - m) / (1 - e * cosine);
    anomaly -= step;
    const double d2 = step * step;
    const double cosStep = 1 - d2 / 2 * (1 - d2 / 12 * (1 - d2 / 30 * (1 - d2 / 56)));
    const double sinStep = step * (1 - d2 / 6 * (1 - d2 / 20 * (1 - d2 / 42 * (1 - d2 / 72))));
    const double turnedSine = sine * cosStep - cosine * sinStep;  // sin(E - step)
    cosine = cosine * cosStep + sine * sinStep;                    // cos(E - step)
    sine = turnedSine;
    converged = std::fabs(step) < 1e-5;
  }
  return {anomaly, converged};
}

// The two angles of the Moon's short-period correction, d days after the epoch.
struct CorrectionAngles {
  double a;
  double b;
};

CorrectionAngles moonCorrectionAngles(double d) {
  return {2 * PI * (d + MoonCorrectionEpoch) / MoonCorrectionDaysA, 2 * PI * (d + MoonCorrectionEpoch) / MoonCorrectionDaysB};
}

// The correction in degrees from the sines of its angles: sin(a + sin(a) / 8) and sin(b).
double moonCorrectionOf(double shiftedSineA, double sineB) { return shiftedSineA * (1.3 - sineB * 0.25); }

double moonCorrection(double d) {
  const CorrectionAngles angle = moonCorrectionAngles(d);
  return moonCorrectionOf(std::sin(angle.a + std::sin(angle.a) * 2 / 16), std::sin(angle.b));
}

}  // namespace

OrbitTables::OrbitTables(const OrbitElements& elements) : orbitA(elements.orbitA), orbitI(elements.orbitI) {
  for (const int body : {SunBody, MoonBody}) cosInclination[body] = std::cos(orbitI[body] / DegreesPerRadian);
  moonMinorAxis = minorAxis(orbitA[MoonBody], MoonEccentricity);
}

double reduceDegrees(double x) { return 360 * (x / 360 - floorInt(x / 360)); }

double solveKepler(double g, double e) {
  // The halving goes up from grid point j when g >= mean(j), down otherwise. The
  // mean grows with j, by at least (1 - e) / 2 PI per radian (over 0.15 for the
  // eccentricities here), so the points it goes up from are exactly 1 .. K, the
  // grid points whose mean is <= g, and it ends half a grid unit above K.
  //
  // K comes from the root of M = E - e sin E (keplerRoot), known to about 1e-10
  // radians at worst once Newton's steps have settled. A grid point farther than Margin from it has a mean that differs from g by
  // over 1e-11, while its evaluation by the halving's arithmetic is off by under
  // 1e-15: the halving's comparison there is certain without making it. Only when
  // the root lies within Margin of a grid point (about one time in 10^4), or the
  // steps do not settle, are the means of the points beside it evaluated exactly
  // as the halving evaluates them.
  constexpr double Margin = 1e-9;                         // radians
  constexpr double GridRadians = KeplerGrid / DegreesPerRadian;  // about 2.4e-5
  const KeplerRoot root = keplerRoot(2 * PI * g, e);
  const double anomaly = root.anomaly;
  const bool converged = root.converged;
  const double units = anomaly / GridRadians;
  const double guess = std::floor(units);
  std::int64_t k = !(guess >= 0) ? 0  // also a g that is not a number: the halving then always goes down
                   : guess >= KeplerGridPoints ? KeplerGridPoints - 1
                                               : static_cast<std::int64_t>(guess);
  const bool clear = converged && static_cast<double>(k) == guess && (units - guess) * GridRadians > Margin &&
                     (guess + 1 - units) * GridRadians > Margin && k + 1 < KeplerGridPoints;
  if (!clear) {
    // Settle K: mean(K) <= g (or K = 0) and g < mean(K + 1) (or K is the last point).
    while (k > 0 && !(g >= meanAtGridPoint(k, e))) --k;
    while (k + 1 < KeplerGridPoints && g >= meanAtGridPoint(k + 1, e)) ++k;
  }
  // The halving's last visited point is odd: K itself when it went up from K,
  // K + 1 when it went down from it. The result is formed as the halving forms it.
  const bool up = k % 2 == 1;
  const double last = static_cast<double>(up ? k : k + 1) * KeplerGrid;
  return up ? last + KeplerGrid / 2 : last - KeplerGrid / 2;
}

double sunEccentricity(double t) {
  return 0.01 * std::sin(2 * (t + EccentricityEpoch) / EccentricityPeriodA) + 0.03 +
         0.01 * std::sin(2 * (t + EccentricityEpoch) / EccentricityPeriodB);
}

double sunPerihelion(double t) { return reduceDegrees(102.971 + 360 * (t - 20.35) / PerihelionYears); }

double equinoxNode(double t) {
  const double u = -t / PrecessionYears;
  return 0.2448 + 360 * (u - floorInt(u));
}

double sunPeriod() { return 1 + 1 / PrecessionYears + 1 / PerihelionYears; }

double moonNode(double t) { return reduceDegrees(-247.1887 - 360 * t / MoonNodeYears); }

double moonPerigee(double t) { return reduceDegrees(96.0 + 360 * t / MoonPerigeeYears); }

double sunPerihelionOffset(double eccentricity) {
  const double e0 = SunEpochAnomaly / DegreesPerRadian;
  return sunPeriod() * (e0 - eccentricity * std::sin(e0)) / (2 * PI);
}

double moonPerigeeOffset() {
  const double e0 = MoonEpochAnomaly / DegreesPerRadian;
  return MoonPeriodAtPassStart * (e0 - MoonEccentricity * std::sin(e0)) / (2 * PI);
}

void bodyPosition(OrbitTables& orbit, int body, double t) {
  switch (body) {
    case SunBody: sunPosition(orbit, t); return;
    case MoonBody: moonPosition(orbit, t); return;
    default: throw std::invalid_argument("no orbit model for body " + std::to_string(body));
  }
}

namespace {

// The daily step of an angle that turns `turnsPerYear` times a tropical year, radians.
double dailyStep(double turnsPerYear) { return 2 * PI * turnsPerYear / TropicalYear; }

}  // namespace

SmoothOrbit::SmoothOrbit(const OrbitTables& orbit)
    : orbit_(orbit),
      sun_(dailyStep(1 / sunPeriod())),
      eccentricityArgs_{TurningAngle(2 / EccentricityPeriodA / TropicalYear), TurningAngle(2 / EccentricityPeriodB / TropicalYear)},
      moon_(dailyStep(1 / MoonPeriod)),
      moonArgument_(dailyStep(1 / MoonPerigeeYears + 1 / MoonNodeYears)),
      correctionA_(2 * PI / MoonCorrectionDaysA),
      correctionB_(2 * PI / MoonCorrectionDaysB) {}

// The root of Kepler's equation, started from the new mean anomaly plus the day
// before's difference between the eccentric and the mean anomaly (under 0.06
// radians), by Newton's method. A step s leaves the root off by at most
// e / (2 (1 - e)) s^2, which is under 3e-10 radians once a step is below 1e-4:
// two steps a day.
std::optional<SinCos> SmoothOrbit::eccentricAnomaly(Body& body, double g, double e) {
  const double m = 2 * PI * g;
  double anomaly = m + body.centre;
  SinCos at = turned(body.mean.at(m), body.centre);
  for (int i = 0; i < 8; ++i) {
    const double step = (anomaly - e * at.sin - m) / (1 - e * at.cos);
    anomaly -= step;
    at = turned(at, -step);
    if (std::fabs(step) < 1e-4) {
      body.centre = anomaly - m;
      return at;
    }
  }
  return std::nullopt;
}

std::optional<double> SmoothOrbit::sunLongitude(double t) {
  // Only an orbit in the ecliptic itself: its argument of perihelion projected on
  // the ecliptic, with the node, is then the longitude of perihelion.
  if (orbit_.cosInclination[SunBody] != 1) return std::nullopt;
  const double u = t + EccentricityEpoch;
  const double e = 0.01 * eccentricityArgs_[0].at(2 * u / EccentricityPeriodA).sin + 0.03 +
                   0.01 * eccentricityArgs_[1].at(2 * u / EccentricityPeriodB).sin;  // as sunEccentricity
  const std::optional<SinCos> anomaly =
      eccentricAnomaly(sun_, meanAnomalyFraction(t, orbit_.perihelionOffset[SunBody], sunPeriod()), e);
  if (!anomaly) return std::nullopt;
  const double a = orbit_.orbitA[SunBody];
  const double x = a * (anomaly->cos - e);
  const double y = std::sqrt(a * a - e * a * e * a) * anomaly->sin;
  // The Sun is seen from the Earth half a turn from where the Earth is seen from the Sun.
  return reduceDegrees(std::atan2(y, x) * DegreesPerRadian + 180 + sunPerihelion(t));
}

std::optional<SmoothMoon> SmoothOrbit::moonPosition(double t) {
  const std::optional<SinCos> anomaly =
      eccentricAnomaly(moon_, meanAnomalyFraction(t, orbit_.perihelionOffset[MoonBody], MoonPeriod), MoonEccentricity);
  if (!anomaly) return std::nullopt;
  const double x = orbit_.orbitA[MoonBody] * (anomaly->cos - MoonEccentricity);
  const double y = orbit_.moonMinorAxis * anomaly->sin;
  // Turned by the argument of perigee in the orbit's plane, tilted onto the
  // ecliptic, and measured from the node.
  const double node = moonNode(t);
  const SinCos w = moonArgument_.at((moonPerigee(t) - node) / DegreesPerRadian);
  const double x1 = x * w.cos - y * w.sin;
  const double y1 = (x * w.sin + y * w.cos) * orbit_.cosInclination[MoonBody];
  const double direction = reduceDegrees(std::atan2(y1, x1) * DegreesPerRadian + node);
  const CorrectionAngles angle = moonCorrectionAngles(TropicalYear * t);
  const SinCos a = correctionA_.at(angle.a);
  const double correction = moonCorrectionOf(turned(a, a.sin * 2 / 16).sin, correctionB_.at(angle.b).sin);
  return SmoothMoon{direction, direction - correction};
}

double SmoothOrbit::margin(double eccentricity, double cosInclination) {
  constexpr double HalfGridStep = KeplerGrid / 2;  // degrees
  constexpr double Reserve = 1.35;                 // for rounding, far below this
  return HalfGridStep * std::sqrt((1 + eccentricity) / (1 - eccentricity)) / cosInclination * Reserve;
}

}  // namespace ventorel
