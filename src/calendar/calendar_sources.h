// The one place where a calendar basis picks its sources, and the computation of
// a year from them: three skies, the old calendar, the annotated year.
#pragma once

#include <memory>

#include "astro/year_sky.h"
#include "calendar/calendar_basis.h"
#include "calendar/calendar_year.h"
#include "calendar/lunar_days.h"
#include "data/reference_data.h"

namespace ventorel {

struct CalendarSources {
  CalendarBasis basis = CalendarBasis::Classic;
  std::unique_ptr<SkySource> sky;
};

// The sources of a basis for an astronomical year: the shipped new-moon table for
// chosen years 1902..2098 (it covers the years either side), the Kepler model's new
// moons otherwise. The true basis takes the same sources for now.
CalendarSources sourcesFor(CalendarBasis basis, double year, const ReferenceData& data);

// Everything computed for a chosen year: the skies of it and the years either
// side, their old calendar, and the annotated chosen year.
struct ComputedCalendar {
  SkyTrio skies;
  LunarDays lunar;
  CalendarYear year;
};

// The calendar of the entered year (user numbering, not 0).
ComputedCalendar computeCalendar(double enteredYear, CalendarBasis basis, const ReferenceData& data);

// The astronomical numbering of an entered year: 1 BC (-1) is year 0.
double astronomicalYear(double enteredYear);

}  // namespace ventorel
