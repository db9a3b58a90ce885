// The Sun's longitude from the Earth's slowly turning Kepler orbit, and the 24
// solar terms placed on the days during which the longitude passes 15 * k degrees.
#pragma once

#include <optional>

namespace ventorel {

// What one day of the walk gives on the Sun's side.
struct SunDay {
  std::optional<int> term;  // the term placed on the day
  bool nyubai = false;      // the day is 入梅 (the first with the Sun within the degree above 80)
  bool hangesho = false;    // the day is 半夏生 (the same above 100)
};

// The Sun's part of one year's walk. Its state is its own: the walk's equinox, the
// longitudes of the last two days and the term awaited; each day is given the
// Sun's ecliptic longitude (sample) and then returns what it places (place).
class SunTerms {
 public:
  // Walk start at `tYears` (tropical years since the epoch): the equinox of the
  // whole pass and a fresh wait for the wrap through 0 degrees.
  explicit SunTerms(double tYears);

  // The time since perihelion at the walk's start, for the orbit tables.
  static double perihelionOffsetAt(double tYears);

  // The term longitude of the day from the Sun's ecliptic longitude at its end:
  // the longitude less the walk's equinox, with one correction each way so that
  // a value of exactly 360 stays 360.
  void sample(double eclipticLongitude);
  // The term longitude of an ecliptic longitude (degrees), as sample takes it.
  double termLongitudeOf(double eclipticLongitude) const;
  // Whether a term longitude within `margin` of this one could place a term, see
  // the wrap or mark 入梅 or 半夏生 otherwise than this one does.
  static bool decidesNear(double termLongitude, double margin);
  // Whether the last day's step of the term longitude stays on the same side of
  // zero (the wrap test's comparison) with each end moved by up to `margin`.
  bool dayStepIsClear(double margin) const;
  // The term and the 80/100-degree days of day b, from the day's sample.
  SunDay place(int b);

  // The Sun's longitude from the walk's equinox at the end of the last day sampled.
  double termLongitude() const { return termLongitude_; }
  double equinoxReference() const { return equinoxReference_; }
  // The term awaited after the last day placed.
  int awaitedTerm() const { return nextTerm_; }

 private:
  // Restarts the count at term 0 once per walk, on the day the longitude wraps through 0.
  void recogniseWrap(int b);

  double equinoxReference_ = 0;
  double termLongitude_ = 0;
  double previousTermLongitude_ = 0;
  int equinoxSeen_ = 0;
  int nextTerm_ = 0;
  int nyubaiDay_ = 0;
  int hangeshoDay_ = 0;
};

}  // namespace ventorel
