#include "astro/eclipses.h"

#include <erfa.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "astro/cheap_sky.h"
#include "astro/delta_t.h"
#include "astro/julian_day.h"
#include "astro/minute_rounding.h"
#include "astro/precise_sky.h"
#include "astro/precise_year.h"

namespace ventorel {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180.0;
constexpr double AuKm = 149597870.7;
constexpr double LightDaysPerAu = 1.0 / 173.1446327;
constexpr double EarthRadiusKm = 6378.137;
constexpr double SunRadiusKm = 696000.0;
// The Moon's radius in Earth radii: the mean limb for the penumbra and the first
// and last contacts, the smaller one of the valleys for the umbra (as the
// eclipse canons take them).
constexpr double MoonPenumbralK = 0.2725076, MoonUmbralK = 0.272281;
constexpr double Refraction = (35 + 8 / 60.0) / 60.0 * Rad;
constexpr double Hour = 1.0 / 24;

using Vec = std::array<double, 3>;
Vec operator-(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec operator+(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec operator*(double k, const Vec& a) { return {k * a[0], k * a[1], k * a[2]}; }
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const Vec& a) { return std::sqrt(dot(a, a)); }
double angleBetween(const Vec& a, const Vec& b) {
  // atan2 of the cross and dot products: exact for small angles.
  const Vec c = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
  return std::atan2(norm(c), dot(a, b));
}

// The geocentric Sun (apparent: the Earth's position a light time earlier, which
// carries the aberration) and Moon (geometric; its aberration and light time
// nearly cancel), in km on the GCRS axes.
struct Bodies {
  Vec sun, moon;
};

// The two bodies sampled every two hours over twelve hours around a syzygy and
// interpolated between (a Lagrange polynomial through the seven samples, good to
// metres).
//
// The Earth's heliocentric place is taken once, at the centre, and carried over
// the twelve hours on its velocity and the Sun's attraction: what that leaves
// out (the Moon's pull on the Earth, the change of the attraction) moves the
// Sun by some ten kilometres, a hundredth of an arcsecond. The Moon is sampled.
class BodyTrack {
 public:
  explicit BodyTrack(double centreTt) : first_(centreTt - 3 * Step) {
    constexpr double SunGm = 0.01720209895 * 0.01720209895;  // AU^3/day^2, Gauss's constant squared
    double pvh[2][3], pvb[2][3], moon[2][3];
    eraEpv00(2400000.5, centreTt - 2400000.5, pvh, pvb);
    const Vec earth = {pvh[0][0], pvh[0][1], pvh[0][2]}, velocity = {pvh[1][0], pvh[1][1], pvh[1][2]};
    const double r = norm(earth);
    const Vec pull = (-SunGm / (r * r * r)) * earth;
    for (int i = 0; i < Nodes; ++i) {
      const double t = first_ + i * Step, dt = t - centreTt;
      const Vec e = earth + dt * velocity + (dt * dt / 2) * pull, v = velocity + dt * pull;
      eraMoon98(2400000.5, t - 2400000.5, moon);
      samples_[static_cast<std::size_t>(i)] = {AuKm * (norm(e) * LightDaysPerAu * v - e), AuKm * Vec{moon[0][0], moon[0][1], moon[0][2]}};
    }
  }
  double from() const { return first_; }
  double to() const { return first_ + (Nodes - 1) * Step; }

  Bodies at(double jdTt) const {
    const double x = (jdTt - first_) / Step;
    Bodies b{};
    for (int i = 0; i < Nodes; ++i) {
      double w = 1;
      for (int j = 0; j < Nodes; ++j)
        if (j != i) w *= (x - j) / (i - j);
      for (int k = 0; k < 3; ++k) {
        b.sun[static_cast<std::size_t>(k)] += w * samples_[static_cast<std::size_t>(i)].sun[static_cast<std::size_t>(k)];
        b.moon[static_cast<std::size_t>(k)] += w * samples_[static_cast<std::size_t>(i)].moon[static_cast<std::size_t>(k)];
      }
    }
    return b;
  }

 private:
  static constexpr int Nodes = 7;
  static constexpr double Step = 2 * Hour;
  double first_;
  std::array<Bodies, Nodes> samples_;
};

// The minimum of a function on [a, b] by golden section (unimodal there).
double minimumOf(const std::function<double(double)>& f, double a, double b) {
  const double r = (std::sqrt(5.0) - 1) / 2;
  double c = b - r * (b - a), d = a + r * (b - a), fc = f(c), fd = f(d);
  while (b - a > 0.1 / 86400) {
    if (fc < fd) {
      b = d, d = c, fd = fc;
      c = b - r * (b - a), fc = f(c);
    } else {
      a = c, c = d, fc = fd;
      d = a + r * (b - a), fd = f(d);
    }
  }
  return (a + b) / 2;
}

// Where a function that is negative at `inside` and positive at `outside`
// crosses zero, by bisection to a tenth of a second.
double crossingOf(const std::function<double(double)>& f, double inside, double outside) {
  while (std::fabs(outside - inside) > 0.1 / 86400) {
    const double mid = (inside + outside) / 2;
    (f(mid) < 0 ? inside : outside) = mid;
  }
  return (inside + outside) / 2;
}

JstMinute minuteOfTt(double jdTt) {
  const SkyEvent e = nearestMinute(jstInstantOfTt(jdTt));
  int y, m, d;
  double fraction;
  eraJd2cal(static_cast<double>(e.dayNumber), 0.0, &y, &m, &d, &fraction);
  return {static_cast<double>(y), m, d, e.hour(), e.minute()};
}

// The Moon's shadow on the fundamental plane (through the Earth's centre, across
// the shadow axis), in km: the axis's distance from the centre and the radii of
// the penumbra and the umbra there (the umbra's negative while it is a true
// umbra), with the tangents of the cones' half angles.
struct Shadow {
  double axisDistance, penumbra, umbra, tanPenumbra, tanUmbra;
};

Shadow shadowOf(const Bodies& b) {
  const Vec sunFromMoon = b.sun - b.moon;
  const double distance = norm(sunFromMoon);
  const Vec g = (1.0 / distance) * sunFromMoon;
  const double z = dot(b.moon, g);
  const double axis = norm(b.moon - z * g);
  const double rp = MoonPenumbralK * EarthRadiusKm, ru = MoonUmbralK * EarthRadiusKm;
  const double sinF1 = (SunRadiusKm + rp) / distance, sinF2 = (SunRadiusKm - ru) / distance;
  const double tanF1 = std::tan(std::asin(sinF1)), tanF2 = std::tan(std::asin(sinF2));
  return {axis, z * tanF1 + rp / std::cos(std::asin(sinF1)), z * tanF2 - ru / std::cos(std::asin(sinF2)), tanF1,
          tanF2};
}

// The Moon in the Earth's shadow: the Moon's distance from the shadow's axis
// and the radii of the umbra and penumbra, all as angles seen from the Earth's
// centre, and the Moon's own radius. The Earth's radius is taken at the
// latitude of the shadow's edge (0.998340 of the equatorial one) and enlarged by
// 1/85 for the atmosphere (Danjon's rule, as the eclipse canons now take it).
struct LunarShadow {
  double separation, umbra, penumbra, moonRadius;
};

LunarShadow lunarShadowOf(const Bodies& b) {
  const double moonKm = norm(b.moon), sunKm = norm(b.sun);
  const double moonParallax = std::asin(EarthRadiusKm / moonKm), sunParallax = std::asin(EarthRadiusKm / sunKm);
  const double sunRadius = std::asin(SunRadiusKm / sunKm);
  const Vec antiSun = -1.0 * b.sun;
  const double earth = (1 + 1 / 85.0) * 0.998340 * moonParallax + sunParallax;
  return {angleBetween(b.moon, antiSun), earth - sunRadius, earth + sunRadius,
          std::asin(MoonPenumbralK * EarthRadiusKm / moonKm)};
}

std::optional<GlobalEclipse> solarEclipseNear(double newMoonTt) {
  const BodyTrack track(newMoonTt);
  const double greatest =
      minimumOf([&](double t) { return shadowOf(track.at(t)).axisDistance; }, newMoonTt - 5 * Hour, newMoonTt + 5 * Hour);
  const Shadow s = shadowOf(track.at(greatest));
  const double R = EarthRadiusKm;
  if (s.axisDistance >= R + s.penumbra) return std::nullopt;
  GlobalEclipse e;
  e.body = EclipseBody::Sun;
  e.greatestTt = greatest;
  if (s.axisDistance < R) {
    // Central: the umbra's radius where the axis meets the ground.
    const double depth = std::sqrt(R * R - s.axisDistance * s.axisDistance);
    const double l1 = s.penumbra - depth * s.tanPenumbra, l2 = s.umbra - depth * s.tanUmbra;
    e.kind = s.umbra < 0 ? EclipseKind::Total : (l2 < 0 ? EclipseKind::Hybrid : EclipseKind::Annular);
    e.magnitude = (l1 - l2) / (l1 + l2);
  } else if (s.axisDistance < R + std::fabs(s.umbra)) {
    // Non-central: the umbra's edge alone grazes the Earth.
    e.kind = s.umbra < 0 ? EclipseKind::Total : EclipseKind::Annular;
    e.magnitude = (s.penumbra - s.umbra) / (s.penumbra + s.umbra);
  } else {
    e.kind = EclipseKind::Partial;
    e.magnitude = (s.penumbra - (s.axisDistance - R)) / (s.penumbra + s.umbra);
  }
  e.beginTt = e.endTt = greatest;
  return e;
}

std::optional<GlobalEclipse> lunarEclipseNear(double fullMoonTt) {
  const BodyTrack track(fullMoonTt);
  const double greatest = minimumOf([&](double t) { return lunarShadowOf(track.at(t)).separation; },
                                    fullMoonTt - 5 * Hour, fullMoonTt + 5 * Hour);
  const LunarShadow s = lunarShadowOf(track.at(greatest));
  const double umbral = (s.umbra + s.moonRadius - s.separation) / (2 * s.moonRadius);
  const double penumbral = (s.penumbra + s.moonRadius - s.separation) / (2 * s.moonRadius);
  if (penumbral <= 0) return std::nullopt;
  GlobalEclipse e;
  e.body = EclipseBody::Moon;
  e.greatestTt = greatest;
  e.kind = umbral >= 1 ? EclipseKind::Total : (umbral > 0 ? EclipseKind::Partial : EclipseKind::Penumbral);
  e.magnitude = umbral > 0 ? umbral : penumbral;
  // The eclipse begins and ends with the umbral contacts (the penumbral ones for
  // a penumbral eclipse).
  const bool umbralEclipse = umbral > 0;
  auto outside = [&](double t) {
    const LunarShadow x = lunarShadowOf(track.at(t));
    return x.separation - (umbralEclipse ? x.umbra : x.penumbra) - x.moonRadius;
  };
  e.beginTt = crossingOf(outside, greatest, track.from());
  e.endTt = crossingOf(outside, greatest, track.to());
  return e;
}

// The argument of latitude F test of the eclipse canons (0.36 there, at the mean
// syzygy; 0.40 here, at the true one, for a margin): no eclipse is possible when
// the Moon is farther from its node at syzygy.
bool nearNode(double jdTt) {
  const double T = centuriesSinceJ2000(jdTt);
  const double F = (93.2720950 + 483202.0175233 * T) * Rad;
  return std::fabs(std::sin(F)) < 0.40;
}

}  // namespace

std::vector<GlobalEclipse> globalEclipsesBetween(double jdUtFrom, double jdUtTo) {
  std::vector<GlobalEclipse> eclipses;
  // The syzygies a little beyond the span, since greatest eclipse may fall on the
  // other side of a bound from the syzygy.
  for (const PhaseInstant& phase : moonPhaseInstants(jdUtFrom - 0.5, jdUtTo + 0.5)) {
    if (phase.quarter % 2 != 0 || !nearNode(phase.instant.jdTt)) continue;
    const std::optional<GlobalEclipse> e =
        phase.quarter == 0 ? solarEclipseNear(phase.instant.jdTt) : lunarEclipseNear(phase.instant.jdTt);
    if (!e) continue;
    const double greatestUt = utOfTt(e->greatestTt);
    if (greatestUt >= jdUtFrom && greatestUt < jdUtTo) eclipses.push_back(*e);
  }
  return eclipses;
}

namespace {

// An observer at sea level: the geocentric position on the true equator and
// equinox of date, and the unit vector of the local vertical, at a UT.
struct Observer {
  double latitude, longitude;  // radians
  double rhoCos, rhoSin;       // geocentric radius times cos and sin of the geocentric latitude

  Observer(double latitudeDeg, double longitudeDeg) : latitude(latitudeDeg * Rad), longitude(longitudeDeg * Rad) {
    constexpr double AxisRatio = 0.99664719;
    const double u = std::atan(AxisRatio * std::tan(latitude));
    rhoCos = std::cos(u);
    rhoSin = AxisRatio * std::sin(u);
  }
};

// The topocentric view of the two bodies at a time: their separation, radii and
// the Sun's altitude (all radians).
struct LocalView {
  double separation, sunRadius, moonRadius, sunAltitude;
};

class LocalSky {
 public:
  LocalSky(const Observer& o, double centreTt) : o_(o), track_(centreTt) {
    double rnpb[3][3];
    eraPnm00b(2400000.5, centreTt - 2400000.5, rnpb);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) rnpb_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = rnpb[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    deltaT_ = centreTt - utOfTt(centreTt);
    centreUt_ = centreTt - deltaT_;
    // The sidereal time once; over the hours of an eclipse it runs on at its rate.
    centreSidereal_ = eraGst00b(2400000.5, centreUt_ - 2400000.5);
  }
  const BodyTrack& track() const { return track_; }

  LocalView at(double jdTt) const {
    const Bodies b = track_.at(jdTt);
    const Vec sun = toDate(b.sun), moon = toDate(b.moon);
    const double ut = jdTt - deltaT_;
    constexpr double SiderealRadiansPerDay = 2 * Pi * 1.00273781191135448;
    const double theta = centreSidereal_ + SiderealRadiansPerDay * (ut - centreUt_) + o_.longitude;
    const Vec place = EarthRadiusKm * Vec{o_.rhoCos * std::cos(theta), o_.rhoCos * std::sin(theta), o_.rhoSin};
    const Vec up = {std::cos(o_.latitude) * std::cos(theta), std::cos(o_.latitude) * std::sin(theta),
                    std::sin(o_.latitude)};
    const Vec s = sun - place, m = moon - place;
    return {angleBetween(s, m), std::asin(SunRadiusKm / norm(s)), std::asin(MoonPenumbralK * EarthRadiusKm / norm(m)),
            std::asin(dot(s, up) / norm(s))};
  }

 private:
  Vec toDate(const Vec& v) const {
    return {dot(rnpb_[0], v), dot(rnpb_[1], v), dot(rnpb_[2], v)};
  }
  Observer o_;
  BodyTrack track_;
  std::array<Vec, 3> rnpb_;
  double deltaT_, centreUt_ = 0, centreSidereal_ = 0;
};

// Whether some instant of [from, to] sees `up(t)` true, probed every five
// minutes and at both ends.
template <typename Up>
bool someTimeUp(double from, double to, Up up) {
  for (double t = from; t < to; t += 5.0 / 1440)
    if (up(t)) return true;
  return up(to);
}

// The cheap series' separation of the Sun's and the Moon's limbs seen from the
// place (radians; negative while they overlap) and the Sun's altitude there, for
// the quick test below.
struct CheapView {
  double limbGap, sunAltitude;
};
CheapView cheapView(const Observer& o, double jdTt, double deltaT) {
  auto vectorOf = [](const EquatorialPlace& p) {
    const double ra = p.rightAscension * Rad, dec = p.declination * Rad;
    return p.distanceKm * Vec{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
  };
  const double theta = siderealDegrees(jdTt - deltaT) * Rad + o.longitude;
  const Vec place = EarthRadiusKm * Vec{o.rhoCos * std::cos(theta), o.rhoCos * std::sin(theta), o.rhoSin};
  const Vec up = {std::cos(o.latitude) * std::cos(theta), std::cos(o.latitude) * std::sin(theta), std::sin(o.latitude)};
  const Vec s = vectorOf(cheapSunPlace(jdTt)) - place, m = vectorOf(cheapMoonPlace(jdTt)) - place;
  return {angleBetween(s, m) - std::asin(SunRadiusKm / norm(s)) - std::asin(MoonPenumbralK * EarthRadiusKm / norm(m)),
          std::asin(dot(s, up) / norm(s))};
}

std::optional<LocalEclipse> localSolar(const GlobalEclipse& e, const Observer& o) {
  // Most solar eclipses pass far from a given place, or under its horizon: the
  // cheap series, every half hour, rule those out before the precise bodies are
  // sampled. Seen from the ground the limbs close by under 0.8 degrees an hour
  // and the Sun climbs by at most 15, so an eclipse seen at some instant has a
  // probe within a quarter of an hour of it with a gap under 0.25 degrees (the
  // cheap series' error included) and the Sun above -5 degrees.
  const double deltaT = e.greatestTt - utOfTt(e.greatestTt);
  bool possible = false;
  for (int h = -8; h <= 8 && !possible; ++h) {
    const CheapView v = cheapView(o, e.greatestTt + h * Hour / 2, deltaT);
    possible = v.limbGap < 0.25 * Rad && v.sunAltitude > -5 * Rad;
  }
  if (!possible) return std::nullopt;
  const LocalSky sky(o, e.greatestTt);
  auto overlap = [&](double t) {
    const LocalView v = sky.at(t);
    return v.separation - v.sunRadius - v.moonRadius;
  };
  const double greatest = minimumOf(overlap, e.greatestTt - 4 * Hour, e.greatestTt + 4 * Hour);
  const LocalView g = sky.at(greatest);
  if (g.separation >= g.sunRadius + g.moonRadius) return std::nullopt;
  const double begin = crossingOf(overlap, greatest, sky.track().from());
  const double end = crossingOf(overlap, greatest, sky.track().to());
  // Seen when the Sun's upper limb is above the horizon at some phase.
  const bool seen = someTimeUp(begin, end, [&](double t) {
    const LocalView v = sky.at(t);
    return v.sunAltitude > -Refraction - v.sunRadius;
  });
  if (!seen) return std::nullopt;
  return LocalEclipse{minuteOfTt(begin), minuteOfTt(greatest), minuteOfTt(end),
                      (g.sunRadius + g.moonRadius - g.separation) / (2 * g.sunRadius)};
}

std::optional<LocalEclipse> localLunar(const GlobalEclipse& e, const Observer& o) {
  // The Moon's upper limb above the horizon, from the cheap Moon.
  const double deltaT = e.greatestTt - utOfTt(e.greatestTt);
  const bool seen = someTimeUp(e.beginTt, e.endTt, [&](double t) {
    const EquatorialPlace p = cheapMoonPlace(t);
    const double hourAngle = (siderealDegrees(t - deltaT) - p.rightAscension) * Rad + o.longitude;
    const double dec = p.declination * Rad;
    const double altitude = std::asin(std::sin(o.latitude) * std::sin(dec) +
                                      std::cos(o.latitude) * std::cos(dec) * std::cos(hourAngle));
    const double parallax = std::asin(EarthRadiusKm / p.distanceKm);
    const double radius = std::asin(MoonPenumbralK * EarthRadiusKm / p.distanceKm);
    return altitude > parallax - radius - Refraction;
  });
  if (!seen) return std::nullopt;
  return LocalEclipse{minuteOfTt(e.beginTt), minuteOfTt(e.greatestTt), minuteOfTt(e.endTt), e.magnitude};
}

}  // namespace

std::optional<LocalEclipse> localCircumstances(const GlobalEclipse& eclipse, double latitude, double longitude) {
  const Observer o(latitude, longitude);
  return eclipse.body == EclipseBody::Sun ? localSolar(eclipse, o) : localLunar(eclipse, o);
}

}  // namespace ventorel
