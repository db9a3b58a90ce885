#include "calendar/calendar_sources.h"

#include "astro/classic_sky.h"
#include "astro/precise_sky_source.h"
#include "calendar/annotate.h"
#include "calendar/historical_days.h"
#include "calendar/modern_old_calendar.h"

namespace ventorel {

// A positive year is used as it is: adding 0 to it, as the page's year once did,
// changes no value, so the page and the CSV file are the same without it.
double astronomicalYear(double enteredYear) { return enteredYear < 0 ? enteredYear + 1 : enteredYear; }

CalendarSources sourcesFor(CalendarBasis basis, double year, const ReferenceData& data) {
  CalendarSources sources;
  sources.basis = basis;
  if (basis == CalendarBasis::True) {
    if (inPreciseRange(year)) {
      sources.sky = std::make_unique<PreciseSkySource>();
      sources.modernMonths = true;
      sources.note = "terms and new moons: the precise sky (ERFA eraEpv00 and eraMoon98, Delta T), to the minute in JST";
      return sources;
    }
    sources.skyFallback = true;
  }
  if (year > 1901 && year < 2099) {
    sources.sky = std::make_unique<TableNewMoonSky>(data.orbit, data.newMoonTable);
    sources.note = "terms: the classic orbit model; new moons: the shipped table 1901-2099 (singetu.dat)";
  } else {
    sources.sky = std::make_unique<KeplerSky>(data.orbit);
    sources.note = "terms and new moons: the classic orbit and moon model";
  }
  return sources;
}

ComputedCalendar computeCalendar(double enteredYear, CalendarBasis basis, const ReferenceData& data) {
  const double year = astronomicalYear(enteredYear);
  const CalendarSources sources = sourcesFor(basis, year, data);
  ComputedCalendar computed;
  for (int slot = 0; slot <= 2; ++slot) computed.skies[static_cast<std::size_t>(slot)] = sources.sky->year(year + slot - 1);
  computed.lunar = sources.modernMonths
                       ? modernOldCalendar(computed.skies, sources.sky->year(year - 2), sources.sky->year(year + 2))
                       : oldCalendar(computed.skies, enteredYear);
  // The true calendar keeps the months that were officially in use up to 1872.
  if (basis == CalendarBasis::True) takeHistoricalMonths(computed.lunar);
  computed.year = annotate(data, enteredYear, computed.skies, computed.lunar, basis);
  computed.year.skyFallback = sources.skyFallback;
  computed.year.skySource = sources.note;
  return computed;
}

}  // namespace ventorel
