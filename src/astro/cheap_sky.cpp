#include "astro/cheap_sky.h"

#include <array>
#include <cmath>

#include "astro/julian_day.h"

namespace ventorel {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180.0;
constexpr double AuKm = 149597870.7;

double reduced(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

// A unit complex number cos x + i sin x, multiplied plainly (std::complex's
// product guards against infinities at some cost).
struct Turn {
  double c, s;
  Turn operator*(const Turn& o) const { return {c * o.c - s * o.s, c * o.s + s * o.c}; }
};

Nutation nutationOf(double T) {
  const double node = (125.04452 - 1934.136261 * T) * Rad;
  const double sunL = reduced(280.4665 + 36000.7698 * T) * Rad, moonL = reduced(218.3165 + 481267.8813 * T) * Rad;
  const double dpsi = (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sunL) - 0.23 * std::sin(2 * moonL) +
                       0.21 * std::sin(2 * node)) / 3600.0;
  const double deps = (9.20 * std::cos(node) + 0.57 * std::cos(2 * sunL) + 0.10 * std::cos(2 * moonL) -
                       0.09 * std::cos(2 * node)) / 3600.0;
  const double mean = 23.4392911 - 0.0130042 * T;
  return {dpsi, mean + deps};
}

EquatorialPlace equatorialOf(double lambdaDeg, double betaDeg, double epsDeg, double distanceKm) {
  const double l = lambdaDeg * Rad, b = betaDeg * Rad, e = epsDeg * Rad;
  const double ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
  const double dec = std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
  return {reduced(ra / Rad), dec / Rad, distanceKm};
}

// A periodic term of the Moon: multiples of D, M, M', F and the coefficient
// (longitude and latitude in 1e-6 degree, distance in 0.001 km).
struct LunarTerm {
  signed char d, m, mp, f;
  double coefficient;
};

constexpr std::array<LunarTerm, 26> LongitudeTerms = {{
    {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},  {0, 0, 2, 0, 213618},
    {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},  {2, -1, -1, 0, 57066},
    {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923}, {1, 0, 0, 0, -34720},
    {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},  {0, 0, 1, -2, 10980},
    {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},   {2, 1, -1, 0, -7888},
    {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},    {2, -1, 1, 0, 4036},
    {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},
}};

constexpr std::array<LunarTerm, 13> LatitudeTerms = {{
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},
}};

constexpr std::array<LunarTerm, 16> DistanceTerms = {{
    {0, 0, 1, 0, -20905355}, {2, 0, -1, 0, -3699111}, {2, 0, 0, 0, -2955968}, {0, 0, 2, 0, -569925},
    {0, 1, 0, 0, 48888},     {2, 0, -2, 0, 246158},   {2, -1, -1, 0, -152138}, {2, 0, 1, 0, -170733},
    {2, -1, 0, 0, -204586},  {0, 1, -1, 0, -129620},  {1, 0, 0, 0, 108743},    {0, 1, 1, 0, 104755},
    {0, 0, 1, -2, 79661},    {4, 0, -1, 0, -34782},   {0, 0, 3, 0, -23210},    {4, 0, -2, 0, -21636},
}};

// The distance coefficient of each longitude term's argument (every distance
// term shares its argument with one of them), so that one sine and cosine serve both.
constexpr std::array<double, LongitudeTerms.size()> distanceByLongitudeTerm() {
  std::array<double, LongitudeTerms.size()> out{};
  for (std::size_t i = 0; i < LongitudeTerms.size(); ++i)
    for (const LunarTerm& t : DistanceTerms) {
      const LunarTerm& l = LongitudeTerms[i];
      if (t.d == l.d && t.m == l.m && t.mp == l.mp && t.f == l.f) out[i] = t.coefficient;
    }
  return out;
}
constexpr std::array<double, LongitudeTerms.size()> DistanceByLongitudeTerm = distanceByLongitudeTerm();

constexpr bool everyDistanceTermShared() {
  for (const LunarTerm& t : DistanceTerms) {
    bool found = false;
    for (const LunarTerm& l : LongitudeTerms) found = found || (t.d == l.d && t.m == l.m && t.mp == l.mp && t.f == l.f);
    if (!found) return false;
  }
  return true;
}
static_assert(everyDistanceTermShared(), "a distance term without its longitude term would be lost");

// cos kx + i sin kx for k = -4..4.
class Multiples {
 public:
  explicit Multiples(double x) {
    power_[4] = {1.0, 0.0};
    power_[5] = {std::cos(x), std::sin(x)};
    for (int k = 2; k <= 4; ++k) power_[static_cast<std::size_t>(4 + k)] = power_[static_cast<std::size_t>(3 + k)] * power_[5];
    for (int k = 1; k <= 4; ++k) power_[static_cast<std::size_t>(4 - k)] = {power_[static_cast<std::size_t>(4 + k)].c, -power_[static_cast<std::size_t>(4 + k)].s};
  }
  const Turn& of(int k) const { return power_[static_cast<std::size_t>(k + 4)]; }

 private:
  std::array<Turn, 9> power_;
};

}  // namespace

Nutation cheapNutation(double jdTt) { return nutationOf(centuriesSinceJ2000(jdTt)); }

EquatorialPlace cheapSunPlace(double jdTt) { return cheapSunPlace(jdTt, cheapNutation(jdTt)); }
EquatorialPlace cheapMoonPlace(double jdTt) { return cheapMoonPlace(jdTt, cheapNutation(jdTt)); }

EquatorialPlace cheapSunPlace(double jdTt, const Nutation& n) {
  const double T = centuriesSinceJ2000(jdTt);
  const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
  const double M = reduced(357.52911 + 35999.05029 * T - 0.0001537 * T * T) * Rad;
  const double e = 0.016708634 - 0.000042037 * T;
  const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * std::sin(M) +
                   (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
  const double nu = M + C * Rad;
  const double R = 1.000001018 * (1 - e * e) / (1 + e * std::cos(nu));
  // Aberration -20.4898" / R.
  const double lambda = L0 + C + n.longitude - 20.4898 / 3600.0 / R;
  return equatorialOf(lambda, 0.0, n.obliquity, R * AuKm);
}

EquatorialPlace cheapMoonPlace(double jdTt, const Nutation& n) {
  const double T = centuriesSinceJ2000(jdTt);
  const double Lp = 218.3164477 + 481267.88123421 * T - 0.0015786 * T * T;
  // Reduced to a turn first, so that the sines below take small arguments.
  const double D = reduced(297.8501921 + 445267.1114034 * T - 0.0018819 * T * T) * Rad;
  const double M = reduced(357.5291092 + 35999.0502909 * T - 0.0001536 * T * T) * Rad;
  const double Mp = reduced(134.9633964 + 477198.8675055 * T + 0.0087414 * T * T) * Rad;
  const double F = reduced(93.2720950 + 483202.0175233 * T - 0.0036539 * T * T) * Rad;
  const double E = 1 - 0.002516 * T - 0.0000074 * T * T;
  // The terms' sines and cosines from those of the multiples of the four
  // arguments, multiplied as unit complex numbers (far cheaper than a sine each).
  const Multiples d(D), m(M), mp(Mp), f(F);
  auto unit = [&](const LunarTerm& t) { return d.of(t.d) * m.of(t.m) * mp.of(t.mp) * f.of(t.f); };
  auto eccentricity = [&](const LunarTerm& t) { return t.m == 0 ? 1.0 : (t.m == 1 || t.m == -1 ? E : E * E); };
  double sl = 0, sb = 0, sr = 0;
  for (std::size_t i = 0; i < LongitudeTerms.size(); ++i) {
    const LunarTerm& t = LongitudeTerms[i];
    const Turn u = unit(t);
    const double e = eccentricity(t);
    sl += t.coefficient * e * u.s;
    sr += DistanceByLongitudeTerm[i] * e * u.c;
  }
  for (const LunarTerm& t : LatitudeTerms) sb += t.coefficient * eccentricity(t) * unit(t).s;
  const double A1 = reduced(119.75 + 131.849 * T) * Rad, A2 = reduced(53.09 + 479264.290 * T) * Rad;
  const double A3 = reduced(313.45 + 481266.484 * T) * Rad, LpR = reduced(Lp) * Rad;
  // The sums and differences with F and M' from the turns already at hand.
  const Turn a1{std::cos(A1), std::sin(A1)}, lp{std::cos(LpR), std::sin(LpR)};
  const Turn f1 = f.of(1), fBack = f.of(-1), mp1 = mp.of(1), mpBack = mp.of(-1);
  sl += 3958 * a1.s + 1962 * (lp * fBack).s + 318 * std::sin(A2);
  sb += -2235 * lp.s + 382 * std::sin(A3) + 175 * (a1 * fBack).s + 175 * (a1 * f1).s + 127 * (lp * mpBack).s -
        115 * (lp * mp1).s;
  return equatorialOf(Lp + sl * 1e-6 + n.longitude, sb * 1e-6, n.obliquity, 385000.56 + sr * 1e-3);
}

double meanSiderealDegrees(double jdUt) {
  const double d = jdUt - JulianDayJ2000, T = d / DaysPerJulianCentury;
  return 280.46061837 + 360.98564736629 * d + 0.000387933 * T * T;
}

double siderealDegrees(double jdUt) {
  // The equation of the equinoxes, from the nutation's main terms.
  const Nutation n = nutationOf(centuriesSinceJ2000(jdUt));
  return reduced(meanSiderealDegrees(jdUt) + n.longitude * std::cos(n.obliquity * Rad));
}

}  // namespace ventorel
