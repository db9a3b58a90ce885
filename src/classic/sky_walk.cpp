#include "classic/sky_walk.h"

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

}  // namespace ventorel
