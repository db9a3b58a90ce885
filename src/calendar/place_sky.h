// The sky of a place laid over a computed year: each day's sunrise, transit and
// sunset and the Moon's, and the year's eclipses as the place sees them.
#pragma once

#include "calendar/calendar_year.h"
#include "astro/rise_set.h"
#include "data/places.h"

namespace ventorel {

// What of a place's sky a document shows: none (the holiday list), each day's
// rises and sets, or those and the year's eclipses.
enum class PlaceSkyParts { None, RisesAndSets, WithEclipses };

// The sky of a place for a year: the rises and sets of every day and, when
// asked for, the year's eclipses as the place sees them.
struct PlaceSky {
  YearRiseSet riseSet;
  std::vector<Eclipse> eclipses;
};

// The place's sky of the proleptic Gregorian year (a pure computation).
PlaceSky placeSkyOf(int year, const Place& place, PlaceSkyParts parts);

// Sets year.place, each day's sun and moon, and year.eclipses (empty when the
// sky was made without them) from the place's sky of the year. For whole years
// of the precise sky (the caller's decision).
void addPlaceSky(CalendarYear& year, const Place& place, const PlaceSky& sky);

}  // namespace ventorel
