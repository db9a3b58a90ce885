// The chosen year as one HTML page with encyclopedia links, opened in the browser.
#pragma once

#include "app/run_state.h"
#include "output/write_result.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

namespace ventorel {

WriteResult writeHtmlCalendar(RunState& state, MessageBox& messages, Launcher& launcher);

}  // namespace ventorel
