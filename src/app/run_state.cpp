#include "app/run_state.h"

namespace ventorel {

void RunState::computeYearArithmetic() {
  daysBeforeYear = ventorel::daysBeforeYear(year);
  leapDay = ventorel::leapDay(year);
  fillMonthStarts(monthStart, leapDay);
}

}  // namespace ventorel
