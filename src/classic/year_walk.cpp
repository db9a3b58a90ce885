#include "classic/year_walk.h"

#include <cmath>
#include <optional>

#include "classic/moon.h"
#include "classic/sun_terms.h"
#include "data/numbers.h"

namespace ventorel {

namespace {

// How a day's Sun and Moon are sampled: by the model's own positions only, or by
// the smooth positions wherever they decide alike (orbit.h).
enum class Sampling { Model, Smooth };

// The day's positions into the orbit tables from the smooth longitudes, when each
// decision the walk makes with them on this day is certain: each lies farther than
// its margin from every bound, and from every turn where the model's arithmetic
// adds or takes a whole turn. Otherwise nothing is written.
class SmoothDay {
 public:
  SmoothDay(const OrbitTables& orbit, bool withMoon)
      : smooth_(orbit),
        sunMargin_(SmoothOrbit::margin(MaxSunEccentricity, orbit.cosInclination[SunBody])),
        moonMargin_(SmoothOrbit::margin(MoonEccentricity, orbit.cosInclination[MoonBody])),
        withMoon_(withMoon) {}

  bool take(OrbitTables& orbit, const SunTerms& sun, double t) {
    const std::optional<double> sunLongitude = smooth_.sunLongitude(t);
    if (!sunLongitude || offMultiple(*sunLongitude, 360) < sunMargin_ ||
        SunTerms::decidesNear(sun.termLongitudeOf(*sunLongitude), sunMargin_))
      return false;
    std::optional<SmoothMoon> moon;
    if (withMoon_) {
      moon = smooth_.moonPosition(t);
      if (!moon || offMultiple(moon->direction, 360) < moonMargin_ ||
          MoonPhases::decidesNear(moon->longitude, *sunLongitude, elongationMargin()))
        return false;
      orbit.eclipticLongitude[MoonBody] = moon->longitude;
    }
    orbit.eclipticLongitude[SunBody] = *sunLongitude;
    return true;
  }

  // The checks of a day's step, whose ends may each be off by these.
  double sunMargin() const { return sunMargin_; }
  double elongationMargin() const { return sunMargin_ + moonMargin_; }

 private:
  // The largest eccentricity sunEccentricity gives: 0.03 + 0.01 + 0.01.
  static constexpr double MaxSunEccentricity = 0.05;
  SmoothOrbit smooth_;
  double sunMargin_;
  double moonMargin_;
  bool withMoon_;
};

// The walk through every day of the year. With smooth sampling it gives up (none)
// on a day whose step between two days could be decided otherwise than the
// model's positions decide it; the model's positions never give up.
std::optional<YearSky> walkDays(SkyWalk& walk, Sampling sampling) {
  walk.orbit.perihelionOffset[SunBody] = SunTerms::perihelionOffsetAt(walk.tYears);
  walk.orbit.perihelionOffset[MoonBody] = MoonPhases::perigeeOffset();
  SunTerms sun(walk.tYears);
  MoonPhases moon = walk.newMoonTable ? MoonPhases(*walk.newMoonTable, walk.newMoonRow) : MoonPhases();
  // The table's new moons need no Moon.
  const bool withMoon = !moon.fromTable();
  SmoothDay smoothDay(walk.orbit, withMoon);
  bool smoothBefore = false;
  YearSky& sky = walk.sky;
  for (int b = 0; b <= sky.lastDay; ++b) {
    // Each day is sampled at its end: day b is the instant b days after
    // 1 January 00:00 local time.
    if (b > 0) walk.tYears += 1 / TropicalYear;
    const bool smooth = sampling == Sampling::Smooth && smoothDay.take(walk.orbit, sun, walk.tYears);
    if (!smooth) {
      bodyPosition(walk.orbit, SunBody, walk.tYears);
      if (withMoon) bodyPosition(walk.orbit, MoonBody, walk.tYears);
    }
    const double sunLongitude = walk.orbit.eclipticLongitude[SunBody];
    sun.sample(sunLongitude);
    if (withMoon) moon.sample(walk.orbit.eclipticLongitude[MoonBody], sunLongitude);
    if (b > 0 && (smooth || smoothBefore) &&
        !(sun.dayStepIsClear(smoothDay.sunMargin()) && (!withMoon || moon.dayStepIsClear(smoothDay.elongationMargin()))))
      return std::nullopt;
    smoothBefore = smooth;
    const SunDay sunDay = sun.place(b);
    if (sunDay.term) sky.placeTerm(*sunDay.term, b);
    if (sunDay.nyubai) sky.nyubaiDay = b;
    if (sunDay.hangesho) sky.hangeshoDay = b;
    if (moon.isNewMoon(b, sky.year, withMoon ? MonthDay{} : monthDayOf(b, walk.monthStart)))
      sky.newMoons.push_back({b, std::nullopt});
  }
  sky.nextTerm = sun.awaitedTerm();
  sky.yearEndMoonAge = sky.moonAgeOn(sky.lastDay);
  return std::move(sky);
}

}  // namespace

YearSky walkYear(SkyWalk& walk) {
  SkyWalk model = walk;  // as it starts, for the model's own positions
  if (std::optional<YearSky> sky = walkDays(walk, Sampling::Smooth)) return std::move(*sky);
  return walkYearByModel(model);
}

YearSky walkYearByModel(SkyWalk& walk) { return *walkDays(walk, Sampling::Model); }

}  // namespace ventorel
