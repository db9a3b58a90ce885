// Which calendar a run makes.
#pragma once

namespace ventorel {

enum class CalendarBasis {
  True,     // the precise sky (terms, new moons, passages of the Sun) and the modern month rule
  Classic,  // the calendar of the classic model, as the files have always been made
};

}  // namespace ventorel
