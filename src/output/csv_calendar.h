// The chosen year as a CSV file, opened in the spreadsheet registered for it.
#pragma once

#include "app/run_state.h"
#include "output/write_result.h"
#include "platform/launcher.h"
#include "platform/message_box.h"

namespace ventorel {

WriteResult writeCsvCalendar(RunState& state, MessageBox& messages, Launcher& launcher);

}  // namespace ventorel
