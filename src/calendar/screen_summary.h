// The notice line and the three-year summary on the window; on the way every day
// receives its old-calendar month name and day.
#pragma once

#include "app/run_state.h"
#include "platform/message_box.h"
#include "platform/surface.h"

namespace ventorel {

void printNotice(Surface& surface);
void printSummary(RunState& state, Surface& surface, MessageBox& messages);

}  // namespace ventorel
