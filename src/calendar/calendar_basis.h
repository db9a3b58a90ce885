// Which calendar a run makes.
#pragma once

namespace ventorel {

enum class CalendarBasis {
  True,     // the calendar as it was in force (today: the same sources as Classic)
  Classic,  // the calendar of the classic model, as the files have always been made
};

}  // namespace ventorel
