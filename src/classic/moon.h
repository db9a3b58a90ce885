// The Moon's longitude from its Kepler orbit with turning node and perigee, the
// elongation from the Sun, and the new moons (from the table or computed).
#pragma once

#include <optional>

#include "astro/day_count.h"
#include "data/reference_data.h"

namespace ventorel {

// The Moon's part of one year's walk. Its state is its own: the elongations of the
// last two days and, with the table, the row expected next. Each day is given the
// Moon's and the Sun's ecliptic longitudes (sample) and then tells whether it is a
// new-moon day (isNewMoon).
class MoonPhases {
 public:
  // New moons computed from the elongation.
  MoonPhases() = default;
  // New moons from the table, from `firstRow` on (none: row 0, which holds nothing).
  MoonPhases(const NewMoonTable& table, std::optional<int> firstRow) : table_(&table), row_(firstRow) {}

  // The time since perigee at the walk's start, for the orbit tables.
  static double perigeeOffset();

  // The elongation from the day's longitudes.
  void sample(double moonLongitude, double sunLongitude);
  // Whether a Moon and a Sun within `margin` (together) of these longitudes could
  // give an elongation on the other side of its turn through 0 and 360.
  static bool decidesNear(double moonLongitude, double sunLongitude, double margin);
  // Whether the last day's step of the elongation stays on the same side of half a
  // turn (the new-moon test) with each end moved by up to `margin`.
  bool dayStepIsClear(double margin) const;
  // Whether day b (its date `date` of astronomical year `year`) is a new-moon day.
  bool isNewMoon(int b, double year, MonthDay date);

  // Moon longitude minus Sun longitude, degrees 0..360, at the end of the last day sampled.
  double moonElongation() const { return moonElongation_; }
  bool fromTable() const { return table_ != nullptr; }

 private:
  bool isTableNewMoon(double year, MonthDay date);
  bool isComputedNewMoon(int b) const;

  const NewMoonTable* table_ = nullptr;
  std::optional<int> row_;
  double moonElongation_ = 0;
  double prevElongation_ = 0;
};

}  // namespace ventorel
