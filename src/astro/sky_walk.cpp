#include "astro/sky_walk.h"

#include "astro/moon.h"
#include "astro/sun_terms.h"
#include "data/numbers.h"

namespace ventorel {

namespace {

// The walk starts at local midnight of 1 January.
constexpr int StartMonth = 1, StartDay = 1, StartHour = 0, StartMinute = 0;

}  // namespace

SkyWalk::SkyWalk(const OrbitElements& elements, double year) : orbit(elements) {
  sky.year = year;
  sky.lastDay = 365 + leapDay(year);
  fillMonthStarts(monthStart, leapDay(year));
  const double startDay = epochDays(year, StartMonth, StartDay, monthStart);
  // The start instant in universal time, days from the epoch: local midnight
  // minus the zone offset (day number - 0.375).
  const double universal = startDay + StartHour / 24.0 + (StartMinute / 24.0) / 60.0 -
                           (TzHours / 24.0 + (TzMinutes / 24.0) / 60.0);
  tYears = universal / TropicalYear;
}

YearSky walkYear(SkyWalk& walk) {
  SunTerms sun(walk);
  MoonPhases moon(walk);
  sun.beginPass();
  moon.beginPass();
  for (int b = 0; b <= walk.sky.lastDay; ++b) {
    // Each day is sampled at its end: day b is the instant b days after
    // 1 January 00:00 local time.
    if (b > 0) walk.tYears += 1 / TropicalYear;
    sun.sunPosition();
    moon.moonPosition();
    sun.placeTerm(b);
    moon.placeNewMoon(b);
  }
  walk.sky.yearEndMoonAge = walk.sky.moonAgeOn(walk.sky.lastDay);
  return std::move(walk.sky);
}

}  // namespace ventorel
