// The Sun's longitude from the Earth's slowly turning Kepler orbit, and the 24
// solar terms placed on the days during which the longitude passes 15 * k degrees.
#pragma once

#include "app/run_state.h"

namespace ventorel {

class SunTerms {
 public:
  explicit SunTerms(RunState& state) : state_(state) {}

  // Pass start, after the day walk's own pass start.
  void beginPass();
  // The Sun's position at the end of the current day (state.tYears).
  void sunPosition();
  // Term placement and the 80/100-degree days for day b, after the Moon's position.
  void placeTerm(int b);

 private:
  RunState& state_;
};

}  // namespace ventorel
