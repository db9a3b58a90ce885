// The sky of a place laid over a computed year: each day's sunrise, transit and
// sunset and the Moon's, and the year's eclipses as the place sees them.
#pragma once

#include "calendar/calendar_year.h"
#include "data/places.h"

namespace ventorel {

// Sets year.place, year.eclipses and each day's sun and moon. For whole years of the precise
// sky (the caller's decision).
void addPlaceSky(CalendarYear& year, const Place& place);

}  // namespace ventorel
