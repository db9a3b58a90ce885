// The eclipses of a year from the compiled-in table, apart from eclipses.cpp,
// which the build's table tool compiles without the table.
#include <erfa.h>

#include "astro/delta_t.h"
#include "astro/eclipses.h"
#include "astro/precise_year.h"

namespace ventorel {

std::vector<Eclipse> eclipsesOfYear(int year, double latitude, double longitude) {
  std::vector<Eclipse> eclipses;
  const PreciseYearEvents events = preciseYearEvents(year);
  auto tt = [](const SkyEvent& e) {
    const double ut = static_cast<double>(e.dayNumber) - 0.5 - 9.0 / 24 + e.secondOfDay / 86400.0;
    return ut + deltaTSeconds(decimalYearOfJulianDay(ut)) / 86400;
  };
  auto minute = [](const SkyEvent& e) {
    int y, m, d;
    double fraction;
    eraJd2cal(static_cast<double>(e.dayNumber), 0.0, &y, &m, &d, &fraction);
    return JstMinute{static_cast<double>(y), m, d, e.hour(), e.minute()};
  };
  for (const EclipseEvent& event : events.eclipses()) {
    GlobalEclipse global{static_cast<EclipseBody>(event.body), static_cast<EclipseKind>(event.kind),
                         tt(event.greatest), tt(event.begin), tt(event.end), event.magnitude * 1e-4};
    Eclipse e{global.body, global.kind, minute(event.greatest), global.magnitude, {}};
    e.local = localCircumstances(global, latitude, longitude);
    if (e.local && e.body == EclipseBody::Moon) {
      e.local->begin = minute(event.begin);
      e.local->greatest = minute(event.greatest);
      e.local->end = minute(event.end);
    }
    eclipses.push_back(e);
  }
  return eclipses;
}

}  // namespace ventorel
