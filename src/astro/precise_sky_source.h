// The sky of the precise theories as a sky source: every term, new moon and
// passage of the Sun a year needs, on its JST day and with its JST minute, read
// from the compiled-in table of precise_year.h.
#pragma once

#include "astro/precise_sky.h"
#include "astro/year_sky.h"

namespace ventorel {

// True when the precise sky is trustworthy for the astronomical year; outside it a
// calendar falls back to the classic model.
inline bool inPreciseRange(double astronomicalYear) {
  return astronomicalYear >= PreciseSkyFirstYear && astronomicalYear <= PreciseSkyLastYear;
}

class PreciseSkySource : public SkySource {
 public:
  // Any whole year the precise sky can solve: the table's years are looked up,
  // others are solved directly (slow, and no better than a guess beyond the range).
  YearSky year(double astronomicalYear) const override;
};

}  // namespace ventorel
