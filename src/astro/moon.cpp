#include "astro/moon.h"

#include <cmath>

#include "astro/day_count.h"
#include "astro/orbit.h"

namespace ventorel {

void MoonPhases::beginPass() {
  state_.orbit.epochAnomaly[MoonBody] = MoonEpochAnomaly;
  state_.orbit.orbitE[MoonBody] = MoonEccentricity;
  state_.orbit.perihelionOffset[MoonBody] = moonPerigeeOffset();
  newMoonCount_ = 0;
}

void MoonPhases::moonPosition() {
  bodyPosition(state_.orbit, MoonBody, state_.tYears);
  moonElongation_ = state_.orbit.eclipticLongitude[MoonBody] - state_.orbit.eclipticLongitude[SunBody];
  if (moonElongation_ < 0) moonElongation_ = moonElongation_ + 360;
  if (moonElongation_ > 360) moonElongation_ = moonElongation_ - 360;
}

// The table row expected next carries the year, month and day of day b. Day 0 is
// month 0, day 0 and matches no row; an unset row addresses row 0, which holds
// nothing, so such a run finds no new moon at all.
bool MoonPhases::isTableNewMoon(int b) {
  const int row = state_.newMoonRow.value_or(0);
  const MonthDay date = monthDayOf(b, state_.monthStart);
  const bool matches = state_.newMoonTable(row, 1).equals(state_.year) &&
                       state_.newMoonTable(row, 2).equals(date.month) && state_.newMoonTable(row, 3).equals(date.day);
  if (!matches) return false;
  if (row != NewMoonRows) state_.newMoonRow = row + 1;
  return true;
}

// The elongation wrapped from near 360 to near 0 during day b.
bool MoonPhases::isComputedNewMoon(int b) const {
  return b > 0 && std::fabs(prevElongation_ - moonElongation_) > 180;
}

void MoonPhases::markNewMoon(int b) {
  const int slot = state_.yearSlot();
  state_.dayMoonAge(slot, b) = 1;
  state_.dayMoonMark(slot, b) = "新月";
  newMoonCount_ = newMoonCount_ + 1;
  state_.newMoonDay(slot, newMoonCount_) = b;
}

void MoonPhases::placeNewMoon(int b) {
  const int slot = state_.yearSlot();
  const bool newMoon = state_.useNewMoonTable == 1 ? isTableNewMoon(b) : isComputedNewMoon(b);
  if (newMoon) {
    markNewMoon(b);
  } else if (b > 0 && state_.dayMoonAge(slot, b - 1) != 0) {
    // Days before the pass's first new moon keep 0; the month numbering fills
    // them from the year before.
    state_.dayMoonAge(slot, b) = state_.dayMoonAge(slot, b - 1) + 1;
  }
  prevElongation_ = moonElongation_;
  if (b == 365 + state_.leapDay) state_.yearEndMoonAge[slot] = state_.dayMoonAge(slot, b);
}

}  // namespace ventorel
