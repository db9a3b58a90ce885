// The sky of the precise theories as a sky source: every term, new moon and
// passage of the Sun a year needs, on its JST day and with its JST minute, read
// from the compiled-in table of precise_year.h.
#pragma once

#include <cmath>

#include "astro/precise_sky.h"
#include "astro/year_sky.h"

namespace ventorel {

// True when the precise sky is trustworthy for the astronomical year; outside it a
// calendar falls back to the classic model. The precise sky knows whole years only,
// so a year typed with a fraction (which the classic model takes as it is) falls
// back too.
inline bool inPreciseRange(double astronomicalYear) {
  return astronomicalYear >= PreciseSkyFirstYear && astronomicalYear <= PreciseSkyLastYear &&
         std::floor(astronomicalYear) == astronomicalYear;
}

class PreciseSkySource : public SkySource {
 public:
  // Any whole year the precise sky can solve: the table's years are looked up,
  // others are solved directly (slow, and no better than a guess beyond the range).
  YearSky year(double astronomicalYear) const override;
};

}  // namespace ventorel
