#include "calendar/place_sky.h"

#include <algorithm>
#include <cstddef>

#include "astro/eclipses.h"

namespace ventorel {

PlaceSky placeSkyOf(int year, const Place& place, PlaceSkyParts parts) {
  PlaceSky sky;
  sky.riseSet = riseSetOfYear(year, place.latitude, place.longitude);
  if (parts == PlaceSkyParts::WithEclipses) sky.eclipses = eclipsesOfYear(year, place.latitude, place.longitude);
  return sky;
}

void addPlaceSky(CalendarYear& year, const Place& place, const PlaceSky& sky) {
  const std::size_t days = std::min(year.days.size(), sky.riseSet.sun.size());
  for (std::size_t d = 0; d < days; ++d) {
    year.days[d].sun = sky.riseSet.sun[d];
    year.days[d].moon = sky.riseSet.moon[d];
  }
  year.place = place;
  year.eclipses = sky.eclipses;
}

}  // namespace ventorel
