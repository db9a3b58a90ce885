#include "calendar/screen_summary.h"

namespace ventorel {

void printNotice(Surface&) {}
void printSummary(RunState&, Surface&, MessageBox&) {}

}  // namespace ventorel
