#include "output/html_calendar.h"

namespace ventorel {

WriteResult writeHtmlCalendar(RunState&, MessageBox&, Launcher&) { return {}; }

}  // namespace ventorel
