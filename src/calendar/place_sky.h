// The sky of a place laid over a computed year: each day's sunrise, transit and
// sunset and the Moon's, and the year's eclipses as the place sees them.
#pragma once

#include "calendar/calendar_year.h"
#include "astro/rise_set.h"
#include "data/places.h"

namespace ventorel {

// What of a place's sky a document shows: every document with the place's sky
// has each day's rises and sets; the year's eclipses only those that list them.
enum class PlaceSkyParts { RisesAndSets, WithEclipses };

// Sets year.place and each day's sun and moon from `sky`, the rises and sets
// of the year at the place (riseSetOfYear), and with `parts` WithEclipses
// year.eclipses too (empty otherwise). For whole years of the precise sky (the
// caller's decision).
void addPlaceSky(CalendarYear& year, const Place& place, PlaceSkyParts parts, const YearRiseSet& sky);

}  // namespace ventorel
