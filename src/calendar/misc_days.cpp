#include "calendar/misc_days.h"

namespace ventorel {

void annotateChosenYear(RunState&, MessageBox&) {}

}  // namespace ventorel
