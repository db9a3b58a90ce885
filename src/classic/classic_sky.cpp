#include "classic/classic_sky.h"

#include "classic/year_walk.h"

namespace ventorel {

YearSky KeplerSky::year(double astronomicalYear) const {
  SkyWalk walk(orbit_, astronomicalYear);
  return walkYear(walk);
}

YearSky TableNewMoonSky::year(double astronomicalYear) const {
  SkyWalk walk(orbit_, astronomicalYear);
  walk.newMoonTable = &table_;
  for (int r = 1; r <= NewMoonRows; ++r) {
    if (table_[r] && static_cast<double>(table_[r]->year) == astronomicalYear) {
      walk.newMoonRow = r;
      break;
    }
  }
  return walkYear(walk);
}

}  // namespace ventorel
