// The daily walk through a year: the Sun's terms and the Moon's new moons placed
// day by day from the Kepler model.
#pragma once

#include "classic/sky_walk.h"
#include "astro/year_sky.h"

namespace ventorel {

// Walks every day of the year and returns the sky it found. The Sun and the Moon
// come from the smooth positions (orbit.h) wherever every decision of the day is
// certain with them, and from the model's own positions elsewhere; where a step
// from one day to the next could be in doubt, the whole year is walked again by
// the model's positions. The sky is the same as walkYearByModel's.
YearSky walkYear(SkyWalk& walk);
// The same walk by the model's own positions on every day.
YearSky walkYearByModel(SkyWalk& walk);

}  // namespace ventorel
