// The Moon's longitude from its Kepler orbit with turning node and perigee, the
// elongation from the Sun, and the new moons (from the table or computed).
#pragma once

#include "classic/sky_walk.h"

namespace ventorel {

class MoonPhases {
 public:
  explicit MoonPhases(SkyWalk& walk) : walk_(walk) {}

  // Walk start: the time since perigee.
  void beginPass();
  // The Moon's position and elongation, after the Sun's position of the day.
  void moonPosition();
  // The elongation from the longitudes in the orbit tables (after both positions).
  void takeElongation();
  // Whether a Moon and a Sun within `margin` (together) of these longitudes could
  // give an elongation on the other side of its turn through 0 and 360.
  static bool decidesNear(double moonLongitude, double sunLongitude, double margin);
  // Whether the last day's step of the elongation stays on the same side of half a
  // turn (the new-moon test) with each end moved by up to `margin`.
  bool dayStepIsClear(double margin) const;
  // New-moon placement for day b, after the term placement.
  void placeNewMoon(int b);

  // Moon longitude minus Sun longitude, degrees 0..360, at the end of the last day sampled.
  double moonElongation() const { return moonElongation_; }

 private:
  bool isTableNewMoon(int b);
  bool isComputedNewMoon(int b) const;

  SkyWalk& walk_;
  double moonElongation_ = 0;
  double prevElongation_ = 0;
};

}  // namespace ventorel
