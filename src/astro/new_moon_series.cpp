#include "astro/new_moon_series.h"

#include <cmath>
#include <iterator>

namespace ventorel {

namespace {

constexpr double Pi = 3.14159265358979323846;

double sinDeg(double degrees) { return std::sin(std::fmod(degrees, 360.0) * Pi / 180.0); }

// One periodic term of the new-moon series: coefficient, the power of E it
// carries, and the multiples of M, M', F and Omega in its argument.
struct Term {
  double coefficient;
  int ePower;
  int m, mPrime, f, omega;
};

constexpr Term NewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0},  {0.17241, 1, 1, 0, 0, 0},   {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},   {0.00739, 1, -1, 1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},   {-0.00111, 0, 0, 1, -2, 0}, {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},   {-0.00042, 0, 0, 3, 0, 0},  {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0},  {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},  {0.00004, 0, 0, 2, -2, 0},  {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},  {0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0},  {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

// The additional corrections for all phases: coefficient, and the argument
// A = a + b k (A1 also has a T^2 term).
struct Additional {
  double coefficient, a, b;
};

constexpr Additional AdditionalTerms[] = {
    {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860},  {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379},  {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};

}  // namespace

double newMoonJde(int k) {
  const double kk = k;
  const double t = kk / 1236.85;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  const double meanJde =
      2451550.09766 + 29.530588861 * kk + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = 2.5534 + 29.10535670 * kk - 0.0000014 * t2 - 0.00000011 * t3;
  const double mPrime = 201.5643 + 385.81693528 * kk + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
  const double f = 160.7108 + 390.67050284 * kk - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
  const double omega = 124.7746 - 1.56375588 * kk + 0.0020672 * t2 + 0.00000215 * t3;

  double periodic = 0;
  for (const Term& term : NewMoonTerms) {
    const double argument = term.m * m + term.mPrime * mPrime + term.f * f + term.omega * omega;
    periodic += term.coefficient * std::pow(e, term.ePower) * sinDeg(argument);
  }
  double additional = 0;
  for (std::size_t i = 0; i < std::size(AdditionalTerms); ++i) {
    const Additional& a = AdditionalTerms[i];
    double argument = a.a + a.b * kk;
    if (i == 0) argument -= 0.009173 * t2;
    additional += a.coefficient * sinDeg(argument);
  }
  return meanJde + periodic + additional;
}

int nearestNewMoonNumber(double jde) {
  return static_cast<int>(std::lround((jde - 2451550.09766) / 29.530588861));
}

}  // namespace ventorel
