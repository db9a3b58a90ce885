#include "calendar/lunar_months.h"

namespace ventorel {

void numberLunarMonths(RunState&) {}

}  // namespace ventorel
