// The walk over the chosen year that places the national holidays and the
// miscellaneous calendar days (雑節) into the notes of the output format in use.
#pragma once

#include "app/run_state.h"
#include "platform/message_box.h"

namespace ventorel {

void annotateChosenYear(RunState& state, MessageBox& messages);

}  // namespace ventorel
