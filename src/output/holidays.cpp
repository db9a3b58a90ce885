#include "output/holidays.h"

namespace ventorel {

void assignHolidays(RunState&, int, int, int, double) {}
void finishHolidays(RunState&, int, double, bool) {}

}  // namespace ventorel
