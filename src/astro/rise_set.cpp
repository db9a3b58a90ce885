#include "astro/rise_set.h"

#include <array>
#include <cmath>

#include "astro/cheap_sky.h"
#include "astro/delta_t.h"
#include "astro/julian_day.h"
#include "astro/minute_rounding.h"
#include "data/builtin_tables.h"

namespace ventorel {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180.0;
constexpr double JstOffsetDays = (TzHours + TzMinutes / 60.0) / 24.0;
constexpr double Refraction = (35 + 8 / 60.0) / 60.0;  // degrees at the horizon
constexpr double EarthRadiusKm = 6378.14;
constexpr double AuKm = 149597870.7;

double wrap180(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0 + 0.5); }

// A body's apparent place for a place on the Earth, sampled at JST midnights a
// whole number of days apart (every other day for the Moon; every four for the Sun,
// whose place the interpolation then follows to well under a second of time), from
// three steps before the year to three after: its right ascension
// and the cosine of its hour angle when its upper limb is on the horizon (beyond
// ±1 when it stays up or down).
struct Sample {
  double rightAscension;  // degrees, continued across 360 so that it can be interpolated
  double cosHorizonHourAngle;
};

// [j][k]: the coefficient of u^k in the Lagrange polynomial of the nodes -2..3
// that is 1 at node j - 2 and 0 at the others.
using Basis = std::array<std::array<double, 6>, 6>;
constexpr Basis lagrangeBasis() {
  Basis basis{};
  for (int j = 0; j < 6; ++j) {
    std::array<double, 6> poly{1, 0, 0, 0, 0, 0};
    double denominator = 1;
    int degree = 0;
    for (int k = 0; k < 6; ++k) {
      if (k == j) continue;
      // poly *= (u - (k - 2))
      for (int d = degree + 1; d > 0; --d) poly[static_cast<std::size_t>(d)] = poly[static_cast<std::size_t>(d - 1)] - (k - 2) * poly[static_cast<std::size_t>(d)];
      poly[0] = -(k - 2) * poly[0];
      ++degree;
      denominator *= j - k;
    }
    for (std::size_t d = 0; d < 6; ++d) basis[static_cast<std::size_t>(j)][d] = poly[d] / denominator;
  }
  return basis;
}
constexpr Basis LagrangeBasis = lagrangeBasis();

class Track {
 public:
  // `firstUt`: the UT of the first sample; one sample every `stepDays`.
  template <typename PlaceOf, typename AltitudeOf>
  Track(double firstUt, int count, double stepDays, double deltaTDays, double latitude, PlaceOf placeOf,
        AltitudeOf altitudeOf)
      : firstUt_(firstUt), step_(stepDays) {
    const double sinLat = std::sin(latitude * Rad), cosLat = std::cos(latitude * Rad);
    samples_.reserve(static_cast<std::size_t>(count));
    double last = 0;
    for (int i = 0; i < count; ++i) {
      const EquatorialPlace p = placeOf(firstUt + i * stepDays + deltaTDays);
      double ra = p.rightAscension;
      if (i > 0) ra = last + wrap180(ra - last);
      last = ra;
      const double dec = p.declination * Rad;
      const double c = (std::sin(altitudeOf(p.distanceKm) * Rad) - sinLat * std::sin(dec)) / (cosLat * std::cos(dec));
      samples_.push_back({ra, c});
    }
    makeStretches();
  }

  // Lagrange interpolation through the six samples around `ut` (a quintic: the
  // Moon's place, sampled every other day, to about a hundredth of a degree),
  // from the polynomial of that stretch, made once.
  Sample at(double ut) const {
    const double x = (ut - firstUt_) / step_;
    int i = static_cast<int>(std::floor(x));
    const int last = static_cast<int>(samples_.size()) - 4;
    i = i < 2 ? 2 : (i > last ? last : i);
    const double u = x - i;
    const Stretch& p = stretches_[static_cast<std::size_t>(i - 2)];
    double ra = p.rightAscension[5], c = p.cosHorizonHourAngle[5];
    for (int k = 4; k >= 0; --k) {
      ra = ra * u + p.rightAscension[k];
      c = c * u + p.cosHorizonHourAngle[k];
    }
    return {ra, c};
  }

 private:
  // The powers' coefficients of the quintic through the samples i-2..i+3, in u
  // = the samples' count from sample i.
  struct Stretch {
    double rightAscension[6], cosHorizonHourAngle[6];
  };

  void makeStretches() {
    const int last = static_cast<int>(samples_.size()) - 4;
    for (int i = 2; i <= last; ++i) {
      Stretch p{};
      const Sample* s = &samples_[static_cast<std::size_t>(i - 2)];
      for (std::size_t j = 0; j < 6; ++j)
        for (std::size_t k = 0; k < 6; ++k) {
          p.rightAscension[k] += LagrangeBasis[j][k] * s[j].rightAscension;
          p.cosHorizonHourAngle[k] += LagrangeBasis[j][k] * s[j].cosHorizonHourAngle;
        }
      stretches_.push_back(p);
    }
  }

  double firstUt_, step_;
  std::vector<Sample> samples_;
  std::vector<Stretch> stretches_;
};

enum class Event { Rise, Transit, Set };

class Observer {
 public:
  explicit Observer(double longitude) : longitude_(longitude) {}

  // The hour angle the event asks for less the body's hour angle at `ut`
  // (degrees, -180..180); unset when the body stays above or below the horizon.
  std::optional<double> offset(const Track& track, Event event, double ut) const {
    const Sample s = track.at(ut);
    // The mean sidereal time: the equation of the equinoxes (at most 1.2 s of time) is left out.
    const double hourAngle = meanSiderealDegrees(ut) + longitude_ - s.rightAscension;
    double target = 0;
    if (event != Event::Transit) {
      if (!(s.cosHorizonHourAngle >= -1 && s.cosHorizonHourAngle <= 1)) return std::nullopt;
      target = std::acos(s.cosHorizonHourAngle) / Rad;
      if (event == Event::Rise) target = -target;
    }
    return wrap180(target - hourAngle);
  }

  // The instant of the event nearest to `ut`, solved to about a second: the rate
  // is within a few percent of the true one, so after a step of under twenty
  // seconds less than a second is left (most days' start, carried on from the
  // days before, is that close already, and one step does).
  std::optional<double> solve(const Track& track, Event event, double ut, double rate) const {
    for (int i = 0; i < 8; ++i) {
      const std::optional<double> off = offset(track, event, ut);
      if (!off) return std::nullopt;
      const double step = *off / rate;
      ut += step;
      if (std::fabs(step) < 20.0 / 86400) return ut;
    }
    return ut;
  }

 private:
  double longitude_;
};

// The event in [from, from + 1): started from the two days before's ones carried
// on, or the day before's one a period on, when there were such, else from the
// hour angle at `from`; the neighbouring event is tried when the first solve
// lands outside the day.
std::optional<double> eventOfDay(const Observer& observer, const Track& track, Event event, double from,
                                 double rate, std::optional<double> dayBefore, std::optional<double> twoDaysBefore) {
  const double period = 360.0 / rate;
  std::optional<double> start;
  if (dayBefore) start = *dayBefore + period;
  if (dayBefore && twoDaysBefore && std::fabs(*dayBefore - *twoDaysBefore - period) < 0.1)
    start = 2 * *dayBefore - *twoDaysBefore;
  if (!start)
    for (double probe : {from, from + 0.25, from + 0.5, from + 0.75}) {
      const std::optional<double> off = observer.offset(track, event, probe);
      if (off) {
        start = probe + (*off < 0 ? *off + 360.0 : *off) / rate;
        break;
      }
    }
  if (!start) return std::nullopt;
  std::optional<double> t = observer.solve(track, event, *start, rate);
  if (t && *t < from) t = observer.solve(track, event, *t + period, rate);
  if (t && *t >= from + 1) {
    const std::optional<double> earlier = observer.solve(track, event, *t - period, rate);
    if (earlier && *earlier >= from && *earlier < from + 1) t = earlier;
  }
  if (!t || *t < from || *t >= from + 1) return std::nullopt;
  return t;
}

// The instants (UT) of a day's rise, transit and set and the day before's, kept
// as the next day's starts.
struct DayInstants {
  std::optional<double> rise, transit, set;
  std::optional<double> riseBefore, transitBefore, setBefore;
};

RiseTransitSet dayOf(const Observer& observer, const Track& track, double midnightUt, double rate,
                     DayInstants& instants) {
  // A day holds the events whose nearest minute is on it.
  const double from = midnightUt - 30.0 / 86400;
  RiseTransitSet day;
  auto minuteOf = [&](const std::optional<double>& t) -> std::optional<int> {
    if (!t) return std::nullopt;
    const std::int64_t m = nearestWholeMinute((*t - midnightUt) * 1440.0);
    return static_cast<int>(m < 0 ? 0 : (m > 1439 ? 1439 : m));
  };
  auto next = [&](Event event, std::optional<double>& last, std::optional<double>& before) {
    const std::optional<double> t = eventOfDay(observer, track, event, from, rate, last, before);
    before = last;
    last = t;
  };
  next(Event::Rise, instants.rise, instants.riseBefore);
  next(Event::Transit, instants.transit, instants.transitBefore);
  next(Event::Set, instants.set, instants.setBefore);
  day.rise = minuteOf(instants.rise);
  day.transit = minuteOf(instants.transit);
  day.set = minuteOf(instants.set);
  return day;
}

}  // namespace

YearRiseSet riseSetOfYear(int year, double latitude, double longitude) {
  YearRiseSet result;
  result.year = year;
  const std::int64_t firstJdn = jdnOfGregorian(year, 1, 1);
  const int days = static_cast<int>(jdnOfGregorian(year + 1, 1, 1) - firstJdn);
  const double firstMidnightUt = static_cast<double>(firstJdn) - 0.5 - JstOffsetDays;
  const double deltaT = deltaTSeconds(year + 0.5) / 86400.0;
  auto samples = [days](double step) { return static_cast<int>(std::ceil(days / step)) + 7; };
  constexpr double SunStep = 4, MoonStep = 2;
  // One nutation for the year, taken at its middle: within the year it moves the
  // places by a few arcseconds, a fraction of a second of time.
  const Nutation nutation = cheapNutation(firstMidnightUt + days / 2.0 + deltaT);
  const auto sunPlace = [&nutation](double jdTt) { return cheapSunPlace(jdTt, nutation); };
  const auto moonPlace = [&nutation](double jdTt) { return cheapMoonPlace(jdTt, nutation); };

  const Track sun(firstMidnightUt - 3 * SunStep, samples(SunStep), SunStep, deltaT, latitude, sunPlace, [](double km) {
    const double au = km / AuKm;
    return -Refraction - (959.63 / 3600.0) / au + (8.794 / 3600.0) / au;
  });
  const Track moon(firstMidnightUt - 3 * MoonStep, samples(MoonStep), MoonStep, deltaT, latitude, moonPlace,
                   [](double km) {
    const double parallax = std::asin(EarthRadiusKm / km) / Rad;
    const double semidiameter = std::asin(0.272481 * EarthRadiusKm / km) / Rad;
    return parallax - semidiameter - Refraction;
  });
  const Observer observer(longitude);
  result.sun.reserve(static_cast<std::size_t>(days));
  result.moon.reserve(static_cast<std::size_t>(days));
  DayInstants sunBefore, moonBefore;
  for (int d = 0; d < days; ++d) {
    const double midnight = firstMidnightUt + d;
    result.sun.push_back(dayOf(observer, sun, midnight, 360.0, sunBefore));
    result.moon.push_back(dayOf(observer, moon, midnight, 347.8, moonBefore));
  }
  return result;
}

}  // namespace ventorel
