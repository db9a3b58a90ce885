// The Moon's longitude from its Kepler orbit with turning node and perigee, the
// elongation from the Sun, and the new moons (from the table or computed).
#pragma once

#include "app/run_state.h"

namespace ventorel {

class MoonPhases {
 public:
  explicit MoonPhases(RunState& state) : state_(state) {}

  // Pass start: the time since perigee and an empty count of the pass's new moons.
  void beginPass();
  // The Moon's position and elongation, after the Sun's position of the day.
  void moonPosition();
  // New-moon placement and moon age for day b, after the term placement.
  void placeNewMoon(int b);

  // Moon longitude minus Sun longitude, degrees 0..360, at the end of the last day sampled.
  double moonElongation() const { return moonElongation_; }
  int newMoonCount() const { return newMoonCount_; }

 private:
  bool isTableNewMoon(int b);
  bool isComputedNewMoon(int b) const;
  void markNewMoon(int b);

  RunState& state_;
  double moonElongation_ = 0;
  double prevElongation_ = 0;
  int newMoonCount_ = 0;
};

}  // namespace ventorel
