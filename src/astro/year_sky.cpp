#include "astro/year_sky.h"

namespace ventorel {

JstMinute nearestMinute(const JstMinute& instant) {
  JstMinute rounded = instant;
  rounded.second = 0;
  if (instant.second < 30) return rounded;
  if (instant.hour == 23 && instant.minute == 59) return rounded;
  if (++rounded.minute == 60) {
    rounded.minute = 0;
    ++rounded.hour;
  }
  return rounded;
}

int YearSky::moonAgeOn(int b) const {
  // The age from the last new moon of the list on or before day b.
  for (auto moon = newMoons.rbegin(); moon != newMoons.rend(); ++moon)
    if (moon->day <= b) return b - moon->day + 1;
  return 0;
}

bool YearSky::isNewMoonDay(int b) const {
  for (const NewMoon& moon : newMoons)
    if (moon.day == b) return true;
  return false;
}

}  // namespace ventorel
