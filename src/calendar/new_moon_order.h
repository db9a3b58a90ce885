// The new moons of the three years in time order: the order of the month list.
#pragma once

#include <vector>

#include "app/run_state.h"

namespace ventorel {

struct NewMoonAt {
  int slot;
  int day;
};

// Slots 0, 1, 2 and in each the new moons n = 1..13, empty entries skipped.
inline std::vector<NewMoonAt> newMoonsInOrder(const RunState& state) {
  std::vector<NewMoonAt> moons;
  for (int slot = 0; slot <= 2; ++slot)
    for (int n = 1; n <= 13; ++n)
      if (const int day = state.newMoonDay(slot, n); day != 0) moons.push_back({slot, day});
  return moons;
}

}  // namespace ventorel
