#include "classic/moon.h"

#include <cmath>

#include "astro/day_count.h"
#include "classic/orbit.h"

namespace ventorel {

double MoonPhases::perigeeOffset() { return moonPerigeeOffset(); }

void MoonPhases::sample(double moonLongitude, double sunLongitude) {
  moonElongation_ = moonLongitude - sunLongitude;
  if (moonElongation_ < 0) moonElongation_ = moonElongation_ + 360;
  if (moonElongation_ > 360) moonElongation_ = moonElongation_ - 360;
}

bool MoonPhases::decidesNear(double moonLongitude, double sunLongitude, double margin) {
  return offMultiple(moonLongitude - sunLongitude, 360) < margin;
}

bool MoonPhases::dayStepIsClear(double margin) const {
  return std::fabs(std::fabs(prevElongation_ - moonElongation_) - 180) > 2 * margin;
}

// The table row expected next carries the year, month and day of the day. Day 0
// is month 0, day 0 and matches no row; an unset row addresses row 0, which holds
// nothing, so such a run finds no new moon at all.
bool MoonPhases::isTableNewMoon(double year, MonthDay date) {
  const NewMoonTable& table = *table_;
  const int row = row_.value_or(0);
  const std::optional<NewMoonDate>& expected = table[row];
  const bool matches = expected && static_cast<double>(expected->year) == year && expected->month == date.month &&
                       expected->day == date.day;
  if (!matches) return false;
  if (row != NewMoonRows) row_ = row + 1;
  return true;
}

// The elongation wrapped from near 360 to near 0 during day b.
bool MoonPhases::isComputedNewMoon(int b) const {
  return b > 0 && std::fabs(prevElongation_ - moonElongation_) > 180;
}

bool MoonPhases::isNewMoon(int b, double year, MonthDay date) {
  const bool newMoon = table_ != nullptr ? isTableNewMoon(year, date) : isComputedNewMoon(b);
  prevElongation_ = moonElongation_;
  return newMoon;
}

}  // namespace ventorel
