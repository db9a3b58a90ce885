#include "astro/year_sky.h"

namespace ventorel {

int YearSky::moonAgeOn(int b) const {
  int age = 0;
  for (const NewMoon& moon : newMoons)
    if (moon.day <= b) age = b - moon.day + 1;
  return age;
}

bool YearSky::isNewMoonDay(int b) const {
  for (const NewMoon& moon : newMoons)
    if (moon.day == b) return true;
  return false;
}

}  // namespace ventorel
