// Sunrise, sunset and the Sun's transit (南中), and the same for the Moon, day by
// day for a place, as the national almanac defines them: a body rises or sets
// when its upper limb touches the sea-level horizon under the refraction 35′08″;
// the Moon's altitude is taken from the observer (its horizontal parallax), the
// Sun's semidiameter and parallax from its distance. Transit is the passage
// through the meridian above the pole's horizon.
//
// The places come from the cheap series of cheap_sky.h, taken at each JST
// midnight and interpolated between; the times are rounded to the nearest JST
// minute. Good to well under a minute for the Sun and about a minute for the Moon
// near the horizon's grazing cases; years of the precise range.
#pragma once

#include <optional>
#include <vector>

namespace ventorel {

// Minutes after 00:00 JST (0..1439) at the nearest minute; unset when the body
// does not rise, pass or set on that day (the Moon's daily lag, or a polar day
// or night).
struct RiseTransitSet {
  std::optional<int> rise, transit, set;
  bool operator==(const RiseTransitSet&) const = default;
};

struct YearRiseSet {
  int year = 0;
  std::vector<RiseTransitSet> sun, moon;  // [d - 1] is day d of the year (1 = 1 January)
};

// The rises, transits and sets of every JST day of the proleptic Gregorian
// `year` at the place (degrees, north and east positive).
YearRiseSet riseSetOfYear(int year, double latitude, double longitude);

}  // namespace ventorel
