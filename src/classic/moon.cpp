#include "classic/moon.h"

#include <cmath>

#include "astro/day_count.h"
#include "classic/orbit.h"

namespace ventorel {

void MoonPhases::beginPass() {
  walk_.orbit.perihelionOffset[MoonBody] = moonPerigeeOffset();
}

void MoonPhases::moonPosition() {
  bodyPosition(walk_.orbit, MoonBody, walk_.tYears);
  takeElongation();
}

void MoonPhases::takeElongation() {
  moonElongation_ = walk_.orbit.eclipticLongitude[MoonBody] - walk_.orbit.eclipticLongitude[SunBody];
  if (moonElongation_ < 0) moonElongation_ = moonElongation_ + 360;
  if (moonElongation_ > 360) moonElongation_ = moonElongation_ - 360;
}

bool MoonPhases::decidesNear(double moonLongitude, double sunLongitude, double margin) {
  return offMultiple(moonLongitude - sunLongitude, 360) < margin;
}

bool MoonPhases::dayStepIsClear(double margin) const {
  return std::fabs(std::fabs(prevElongation_ - moonElongation_) - 180) > 2 * margin;
}

// The table row expected next carries the year, month and day of day b. Day 0 is
// month 0, day 0 and matches no row; an unset row addresses row 0, which holds
// nothing, so such a run finds no new moon at all.
bool MoonPhases::isTableNewMoon(int b) {
  const NewMoonTable& table = *walk_.newMoonTable;
  const int row = walk_.newMoonRow.value_or(0);
  const MonthDay date = monthDayOf(b, walk_.monthStart);
  const bool matches = table(row, 1).equals(walk_.sky.year) && table(row, 2).equals(date.month) &&
                       table(row, 3).equals(date.day);
  if (!matches) return false;
  if (row != NewMoonRows) walk_.newMoonRow = row + 1;
  return true;
}

// The elongation wrapped from near 360 to near 0 during day b.
bool MoonPhases::isComputedNewMoon(int b) const {
  return b > 0 && std::fabs(prevElongation_ - moonElongation_) > 180;
}

void MoonPhases::placeNewMoon(int b) {
  YearSky& sky = walk_.sky;
  const bool newMoon = walk_.newMoonTable != nullptr ? isTableNewMoon(b) : isComputedNewMoon(b);
  if (newMoon) sky.newMoons.push_back({b, std::nullopt});
  prevElongation_ = moonElongation_;
}

}  // namespace ventorel
