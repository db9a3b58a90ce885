// The Sun's longitude from the Earth's slowly turning Kepler orbit, and the 24
// solar terms placed on the days during which the longitude passes 15 * k degrees.
#pragma once

#include "classic/sky_walk.h"

namespace ventorel {

class SunTerms {
 public:
  explicit SunTerms(SkyWalk& walk) : walk_(walk) {}

  // Walk start: the time since perihelion, the walk's equinox and a fresh wait
  // for the wrap through 0 degrees.
  void beginPass();
  // The Sun's position at the end of the current day (walk.tYears), then takeSunLongitude().
  void sunPosition();
  // The term longitude of the day from the Sun's longitude in the orbit tables:
  // eclipticLongitude[3] less the walk's equinox, with one correction each way so
  // that a value of exactly 360 stays 360.
  void takeSunLongitude();
  // The term longitude of an ecliptic longitude (degrees), as takeSunLongitude takes it.
  double termLongitudeOf(double eclipticLongitude) const;
  // Whether a term longitude within `margin` of this one could place a term, see
  // the wrap or mark 入梅 or 半夏生 otherwise than this one does.
  static bool decidesNear(double termLongitude, double margin);
  // Whether the last day's step of the term longitude stays on the same side of
  // zero (the wrap test's comparison) with each end moved by up to `margin`.
  bool dayStepIsClear(double margin) const;
  // Term placement and the 80/100-degree days for day b, after the Moon's position.
  void placeTerm(int b);

  // The Sun's longitude from the walk's equinox at the end of the last day sampled.
  double termLongitude() const { return termLongitude_; }
  double equinoxReference() const { return equinoxReference_; }

 private:
  // Restarts the count at term 0 once per walk, on the day the longitude wraps through 0.
  void recogniseWrap(int b);
  void markSummerDays(int b);

  SkyWalk& walk_;
  double equinoxReference_ = 0;
  double termLongitude_ = 0;
  double previousTermLongitude_ = 0;
  int equinoxSeen_ = 0;
};

}  // namespace ventorel
