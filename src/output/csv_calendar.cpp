#include "output/csv_calendar.h"

namespace ventorel {

WriteResult writeCsvCalendar(RunState&, MessageBox&, Launcher&) { return {}; }

}  // namespace ventorel
