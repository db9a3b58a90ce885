#include "calendar/place_sky.h"

#include <algorithm>
#include <cstddef>

#include "astro/eclipses.h"

namespace ventorel {

void addPlaceSky(CalendarYear& year, const Place& place, PlaceSkyParts parts, const YearRiseSet& sky) {
  const std::size_t days = std::min(year.days.size(), sky.sun.size());
  for (std::size_t d = 0; d < days; ++d) {
    year.days[d].sun = sky.sun[d];
    year.days[d].moon = sky.moon[d];
  }
  year.place = place;
  if (parts == PlaceSkyParts::WithEclipses)
    year.eclipses = eclipsesOfYear(static_cast<int>(year.year), place.latitude, place.longitude);
}

}  // namespace ventorel
