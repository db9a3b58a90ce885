#include "astro/precise_sky.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "astro/delta_t.h"
#include "astro/julian_day.h"
#include "astro/new_moon_series.h"
#include "astro/sky_longitudes.h"
#include "data/builtin_tables.h"
#include "data/solar_term.h"

namespace ventorel {

namespace {

constexpr double JstOffsetDays = (TzHours + TzMinutes / 60.0) / 24.0;

// Signed difference a - b of two angles in degrees, in [-180, 180).
double angleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

// The last Newton step is accepted when it is below this many days. The error
// left after a step h is about (rate' / 2 rate) h^2, with the rate itself good to
// some 1e-5: for the Sun under 3e-4 h^2, for the Moon's elongation under 0.02 h^2.
// So a step of 0.02 day leaves the Sun within 0.1 s, and one of 0.005 day the new
// moon within 0.05 s. The starts are closer than that, so one evaluation of the
// precise theory usually settles an event.
constexpr double SunFinalStepDays = 0.02;
constexpr double MoonFinalStepDays = 0.005;
constexpr int MaxSteps = 8;

// Newton's method on f(t) = angle(t) - target, starting at t.
template <typename Angle>
double solvePassage(Angle angle, double target, double t, double finalStep) {
  for (int i = 0; i < MaxSteps; ++i) {
    const SkyLongitude a = angle(t);
    const double step = angleDifference(target, a.degrees) / a.degreesPerDay;
    t += step;
    if (std::fabs(step) < finalStep) break;
  }
  return t;
}

// The Moon's apparent longitude less the Sun's with the precise Sun: slower than
// moonSunElongation by one eraEpv00, and free of its few arcseconds of solar error.
SkyLongitude preciseElongation(double jdTt) {
  const SkyLongitude moon = moonApparentLongitude(jdTt), sun = sunApparentLongitude(jdTt);
  return {std::fmod(moon.degrees - sun.degrees + 360.0, 360.0), moon.degreesPerDay - sun.degreesPerDay};
}

// A new moon this close to JST midnight is solved again with the precise Sun, so
// that its day rests on the better theory (the cheap Sun can move it by 20 s).
constexpr double NearMidnightSeconds = 300;

double julianDayAtMidnight(int year, int month, int day) {
  return static_cast<double>(jdnOfGregorian(year, month, day)) - 0.5;
}

}  // namespace

double JstInstant::secondsFromMidnight() const {
  const double seconds = minuteOfDay() * 60.0 + second;
  return seconds < 43200 ? seconds : seconds - 86400;
}

JstInstant jstInstantOfTt(double jdTt) {
  JstInstant instant{};
  instant.jdTt = jdTt;
  instant.jdUt = utOfTt(jdTt);
  const double shifted = instant.jdUt + JstOffsetDays + 0.5;  // days start at 0 h
  const double dayNumber = std::floor(shifted);
  instant.dayNumber = static_cast<std::int64_t>(dayNumber);
  // ERFA's calendar stops at -4799: an error rather than an unset date.
  double dayFraction;
  if (eraJd2cal(dayNumber, 0.0, &instant.year, &instant.month, &instant.day, &dayFraction) != 0)
    throw std::domain_error("instant outside the calendar of the precise sky: JD " + std::to_string(jdTt));
  const double seconds = (shifted - dayNumber) * 86400.0;
  const int minuteOfDay = std::min(static_cast<int>(seconds / 60.0), 1439);
  instant.hour = minuteOfDay / 60;
  instant.minute = minuteOfDay % 60;
  instant.second = seconds - minuteOfDay * 60.0;
  return instant;
}

double jstMidnight(int year, int month, int day) { return julianDayAtMidnight(year, month, day) - JstOffsetDays; }

namespace {

// The mean Sun, enough to start a solve within a day or two: longitude in
// degrees, counted on without wrapping, from its value at J2000.
constexpr double MeanLongitudeJ2000 = 280.46646, MeanDegreesPerDay = 0.98564736;
double meanSunLongitude(double jd) { return MeanLongitudeJ2000 + MeanDegreesPerDay * (jd - JulianDayJ2000); }

// The passage of the Sun through `degrees` nearest to `t` (TT): the cheap Earth
// brings the start within minutes, the precise one finishes.
JstInstant passageNear(double degrees, double t) {
  t = solvePassage(roughSunLongitude, degrees, t, 1e-4);
  t = solvePassage(sunApparentLongitude, degrees, t, SunFinalStepDays);
  return jstInstantOfTt(t);
}

}  // namespace

JstInstant solarLongitudeInstant(double degrees, int year) {
  const double yearStart = julianDayAtMidnight(year, 1, 1);
  const double ahead = std::fmod(std::fmod(degrees - meanSunLongitude(yearStart), 360.0) + 360.0, 360.0);
  return passageNear(degrees, yearStart + ahead / MeanDegreesPerDay);
}

std::vector<TermInstant> solarTermInstantsBetween(double jdUtFrom, double jdUtTo) {
  std::vector<TermInstant> terms;
  if (!(jdUtFrom < jdUtTo)) return terms;
  // Term number n is the passage of 15 n degrees counted on from J2000; the true
  // Sun is within two days of the mean one, so start one term early.
  const double first = std::floor(meanSunLongitude(jdUtFrom) / 15.0) - 1;
  for (double n = first;; ++n) {
    const double seed = JulianDayJ2000 + (15.0 * n - MeanLongitudeJ2000) / MeanDegreesPerDay;
    if (seed > jdUtTo + 3) break;
    const JstInstant instant = passageNear(15.0 * n, seed);
    if (instant.jdUt >= jdUtFrom && instant.jdUt < jdUtTo)
      terms.push_back({static_cast<int>(n - 24.0 * std::floor(n / 24.0)), instant});
  }
  return terms;
}

std::vector<KouInstant> solarKouInstantsBetween(double jdUtFrom, double jdUtTo) {
  std::vector<KouInstant> kous;
  if (!(jdUtFrom < jdUtTo)) return kous;
  // As for the terms: the true Sun is within two days of the mean one, which is
  // under one step of 5 degrees.
  const double first = std::floor(meanSunLongitude(jdUtFrom) / 5.0) - 1;
  for (double n = first;; ++n) {
    const double seed = JulianDayJ2000 + (5.0 * n - MeanLongitudeJ2000) / MeanDegreesPerDay;
    if (seed > jdUtTo + 3) break;
    const JstInstant instant = passageNear(5.0 * n, seed);
    if (instant.jdUt >= jdUtFrom && instant.jdUt < jdUtTo)
      kous.push_back({static_cast<int>(n - 72.0 * std::floor(n / 72.0)), instant});
  }
  return kous;
}

std::array<JstInstant, 24> solarTermInstants(int year) {
  std::array<JstInstant, 24> terms{};
  for (int k = 0; k < SolarTermCount; ++k) terms[static_cast<std::size_t>(k)] = solarLongitudeInstant(longitudeOf(solarTermOf(k)), year);
  return terms;
}

namespace {

constexpr double SynodicMonthDays = 29.530588861;

// Phase q of lunation k, from the series' new moon a quarter month on per phase.
JstInstant phaseOfLunation(int k, int quarter) {
  const double target = 90.0 * quarter;
  double t = solvePassage(moonSunElongation, target, newMoonJde(k) + quarter * SynodicMonthDays / 4,
                          MoonFinalStepDays);
  JstInstant phase = jstInstantOfTt(t);
  if (std::fabs(phase.secondsFromMidnight()) < NearMidnightSeconds) {
    t = solvePassage(preciseElongation, target, t, MoonFinalStepDays);
    phase = jstInstantOfTt(t);
  }
  return phase;
}

// The lunation numbers whose phases can fall in [jdUtFrom, jdUtTo).
std::pair<int, int> lunationsAround(double jdUtFrom, double jdUtTo) {
  // Lunation numbers are ints: keep the span within some 200,000 years of 2000.
  constexpr double Reach = 7e7;
  if (!(std::fabs(jdUtFrom - JulianDayJ2000) < Reach && std::fabs(jdUtTo - JulianDayJ2000) < Reach))
    throw std::domain_error("new moons asked for outside the precise sky's reach");
  return {nearestNewMoonNumber(jdUtFrom) - 1, nearestNewMoonNumber(jdUtTo) + 1};
}

}  // namespace

std::vector<JstInstant> newMoonInstants(double jdUtFrom, double jdUtTo) {
  std::vector<JstInstant> moons;
  const auto [firstK, lastK] = lunationsAround(jdUtFrom, jdUtTo);
  for (int k = firstK; k <= lastK; ++k) {
    const JstInstant moon = phaseOfLunation(k, 0);
    if (moon.jdUt >= jdUtFrom && moon.jdUt < jdUtTo) moons.push_back(moon);
  }
  return moons;
}

std::vector<PhaseInstant> moonPhaseInstants(double jdUtFrom, double jdUtTo) {
  std::vector<PhaseInstant> phases;
  const auto [firstK, lastK] = lunationsAround(jdUtFrom, jdUtTo);
  for (int k = firstK; k <= lastK; ++k)
    for (int q = 0; q < 4; ++q) {
      const JstInstant phase = phaseOfLunation(k, q);
      if (phase.jdUt >= jdUtFrom && phase.jdUt < jdUtTo) phases.push_back({q, phase});
    }
  return phases;
}

}  // namespace ventorel
