// The Moon's longitude from its Kepler orbit with turning node and perigee, the
// elongation from the Sun, and the new moons (from the table or computed).
#pragma once

#include "app/run_state.h"

namespace ventorel {

class MoonPhases {
 public:
  explicit MoonPhases(RunState& state) : state_(state) {}

  void beginPass();
  // The Moon's position and elongation, after the Sun's position of the day.
  void moonPosition();
  // New-moon placement and moon age for day b, after the term placement.
  void placeNewMoon(int b);

 private:
  RunState& state_;
};

}  // namespace ventorel
