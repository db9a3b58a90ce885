#include "astro/day_walk.h"

#include "astro/moon.h"
#include "astro/sun_terms.h"
#include "astro/year_headers.h"
#include "data/numbers.h"

namespace ventorel {

void startPass(RunState& state) {
  const int slot = state.yearSlot();
  for (int n = 1; n <= 14; ++n) state.newMoonDay(slot, n) = 0;
  state.year = state.baseYear + state.yearOffset;
  state.computeYearArithmetic();
  state.epochDays = epochDays(state.year, state.startMonth, state.startDay, state.monthStart);
  // The start instant in universal time, days from the epoch: local midnight
  // minus the zone offset (day number - 0.375).
  const double universal = state.epochDays + state.startHour / 24.0 + (state.startMinute / 24.0) / 60.0 -
                           (TzHours / 24.0 + (TzMinutes / 24.0) / 60.0);
  state.tYears = universal / TropicalYear;
}

void clearDay(RunState& state, int b) {
  const int slot = state.yearSlot();
  state.dayNotePlain(slot, b).clear();
  state.dayNoteHtml(slot, b).clear();
  state.dayMoonMark(slot, b).clear();
  state.dayLunarMonth(slot, b).clear();
  state.dayLunarNote(slot, b).clear();
  state.dayMoonAge(slot, b) = 0;
  state.dayHoliday[b].clear();
}

void runPasses(RunState& state, Surface& surface) {
  SunTerms sun(state);
  MoonPhases moon(state);
  for (state.yearOffset = -1; state.yearOffset <= 1; ++state.yearOffset) {
    setPassHeaderStyle(state, surface);
    startPass(state);
    sun.beginPass();
    moon.beginPass();
    const int lastDay = 365 + state.leapDay;
    for (int b = 0; b <= lastDay; ++b) {
      clearDay(state, b);
      // Each day is sampled at its end: day b is the instant b days after
      // 1 January 00:00 local time.
      if (b > 0) state.tYears += 1 / TropicalYear;
      sun.sunPosition();
      moon.moonPosition();
      sun.placeTerm(b);
      moon.placeNewMoon(b);
    }
    printYearHeaders(state, surface);
  }
  state.yearOffset = 1;
}

}  // namespace ventorel
