// The eclipses of the Sun and the Moon in a year, found from the geometry of the
// Sun's and the Moon's places (ERFA's eraEpv00 Earth and eraMoon98 Moon, as the
// precise sky uses them): their kind, the instant of greatest eclipse and its
// magnitude, and how one place sees each.
//
// Solar eclipses: the Moon's shadow axis and its umbral and penumbral cones on
// the Earth (Besselian elements computed on the fly); greatest eclipse is the
// instant the axis passes nearest the Earth's centre, the magnitude there the
// fraction of the Sun's diameter covered (for a central eclipse the ratio of the
// apparent diameters). Lunar eclipses: the Moon against the Earth's umbra and
// penumbra, the Earth enlarged by 1/85 for its atmosphere (Danjon's rule); the
// magnitude is the umbral one (penumbral for a penumbral eclipse).
#pragma once

#include <optional>
#include <vector>

#include "astro/year_sky.h"

namespace ventorel {

enum class EclipseBody { Sun, Moon };
// 皆既, 金環, 金環皆既, 部分, 半影.
enum class EclipseKind { Total, Annular, Hybrid, Partial, Penumbral };

// How a place sees an eclipse: for the Sun, the first and last contacts seen
// from it and the greatest phase between, with its magnitude (the fraction of
// the Sun's diameter covered); for the Moon, the eclipse's own contacts (the
// umbra's, or the penumbra's for a penumbral eclipse) and its greatest, given
// when the Moon is above the horizon at some phase of it.
struct LocalEclipse {
  JstMinute begin, greatest, end;  // nearest minutes, JST
  double magnitude = 0;
};

struct Eclipse {
  EclipseBody body = EclipseBody::Sun;
  EclipseKind kind = EclipseKind::Partial;
  JstMinute greatest;  // nearest minute, JST
  double magnitude = 0;
  std::optional<LocalEclipse> local;
};

// An eclipse as the whole Earth has it, in TT Julian Days: the instant of
// greatest eclipse, and for the Moon the beginning and end (the umbral contacts,
// or the penumbral ones of a penumbral eclipse; for the Sun both are the
// greatest).
struct GlobalEclipse {
  EclipseBody body = EclipseBody::Sun;
  EclipseKind kind = EclipseKind::Partial;
  double greatestTt = 0, beginTt = 0, endTt = 0;
  double magnitude = 0;
};

// Every eclipse whose greatest instant lies in [jdUtFrom, jdUtTo) (Julian Days
// of UT), in time order. Slow (some ERFA calls per syzygy near a node): the
// build solves them into the table of precise_year.h.
std::vector<GlobalEclipse> globalEclipsesBetween(double jdUtFrom, double jdUtTo);

// How the place (degrees, north and east positive, at sea level) sees an
// eclipse; nothing when it does not. A solar eclipse costs some ERFA calls, a
// lunar one only the cheap Moon.
std::optional<LocalEclipse> localCircumstances(const GlobalEclipse& eclipse, double latitude, double longitude);

// The eclipses of the JST year from the compiled-in table, with how the place
// sees each: in time order.
std::vector<Eclipse> eclipsesOfYear(int year, double latitude, double longitude);

}  // namespace ventorel
