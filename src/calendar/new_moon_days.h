// The new moons of one year looked up by day: the answers of
// YearSky::isNewMoonDay and YearSky::moonAgeOn for every day 1..lastDay, made in
// one pass over the list instead of a search of it for each day.
#pragma once

#include <cstddef>

#include "astro/year_sky.h"
#include "data/checked_table.h"

namespace ventorel {

class NewMoonDays {
 public:
  explicit NewMoonDays(const YearSky& sky);

  // The new moon on day d: the last one of the list on that day; null for none.
  const NewMoon* on(int d) const {
    const int i = moonOn_[d] - 1;
    return i < 0 ? nullptr : &sky_->newMoons[static_cast<std::size_t>(i)];
  }
  bool isNewMoonDay(int d) const { return on(d) != nullptr; }
  // As YearSky::moonAgeOn: from the last new moon of the list on or before day d.
  int moonAgeOn(int d) const { return age_[d]; }

 private:
  const YearSky* sky_;
  Table<int, DaysPerSlot> moonOn_{"newMoonOn"};  // 1 + the index in the list, 0 for none
  Table<int, DaysPerSlot> age_{"moonAge"};
};

}  // namespace ventorel
