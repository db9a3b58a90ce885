#include "astro/delta_t.h"

#include <cstddef>

#include "astro/julian_day.h"

namespace ventorel {

namespace {

// c[0] + c[1] t + c[2] t^2 + ... (Horner).
template <std::size_t N>
double polynomial(double t, const double (&c)[N]) {
  double sum = 0;
  for (std::size_t i = N; i-- > 0;) sum = sum * t + c[i];
  return sum;
}

// The long-term parabola, outside -500..2150.
double longTerm(double y) {
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u;
}

}  // namespace

double deltaTSeconds(double y) {
  if (y < -500) return longTerm(y);
  if (y < 500)
    return polynomial(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
  if (y < 1600)
    return polynomial((y - 1000) / 100,
                      {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
  if (y < 1700) return polynomial(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
  if (y < 1800) return polynomial(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
  if (y < 1860)
    return polynomial(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                                 0.000000000875});
  if (y < 1900) return polynomial(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  if (y < 2150) return longTerm(y) - 0.5628 * (2150 - y);
  return longTerm(y);
}

double decimalYearOfJulianDay(double jd) { return 2000.0 + (jd - JulianDayJ2000) / 365.25; }

double utOfTt(double jdTt) { return jdTt - deltaTSeconds(decimalYearOfJulianDay(jdTt)) / 86400.0; }

}  // namespace ventorel
