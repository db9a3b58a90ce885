// The instants of the solar terms, of other passages of the Sun through a given
// longitude, and of the new moons, solved directly from the apparent longitudes
// of sky_longitudes.h, and placed on their day of Japan Standard Time.
//
// Each event is solved in Terrestrial Time to well under a second (a Newton step
// on the longitude and its rate, from a close start), turned into Universal Time
// with Delta T (delta_t.h) and into JST (UTC+9). Valid for the years
// PreciseSkyFirstYear..PreciseSkyLastYear. The error of an instant is that of the
// theories (about 2 s at a solar term, 20 s at a new moon, in 1600-2200) plus the
// error of Delta T, which is a second or so for the last century, and minutes for
// the far past and the far future: an event within minutes of midnight may fall
// on the other day in reality.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "astro/julian_day.h"

namespace ventorel {

// The years over which the instants are trustworthy. eraEpv00 and eraMoon98 are
// fitted to the modern ephemerides over this span, and the Delta T model rests on
// records from about -700; outside it, use the classic sky.
inline constexpr int PreciseSkyFirstYear = -1000;
inline constexpr int PreciseSkyLastYear = 3000;

// An instant of the sky, in the three scales and as a JST civil date and time.
// Dates are proleptic Gregorian with astronomical years (0, -1, ...). The
// functions below throw std::domain_error for dates before -4799 (where ERFA's
// calendar ends) and for non-finite or far-off Julian Days.
struct JstInstant {
  double jdTt;               // Julian Day, Terrestrial Time
  double jdUt;               // Julian Day, Universal Time
  int year, month, day;      // the JST date during which the instant falls
  int hour, minute;          // JST, cut to the minute (an event at 12:34:59 is 12:34)
  double second;             // 0 <= second < 60 within that minute
  std::int64_t dayNumber;    // Julian Day Number of the JST date

  // The JST date as the calendar's day count (0 = 1982-08-19).
  double epochDay() const { return epochDayOfJdn(dayNumber); }
  // Minutes since JST midnight, 0..1439.
  int minuteOfDay() const { return hour * 60 + minute; }
  // Signed seconds to the nearest JST midnight: -30 is 23:59:30, +30 is 00:00:30.
  double secondsFromMidnight() const;
};

// The same instant, given as a Julian Day of TT, in all its forms.
JstInstant jstInstantOfTt(double jdTt);

// When the Sun's apparent longitude reaches `degrees` (any value; taken modulo
// 360) in the astronomical year `year`: the passage that follows the Sun's mean
// position at the start of that year, so a longitude of 270 (the December
// solstice) is the one of late December. Used for the terms (15 k degrees) and for
// 入梅 (80), 半夏生 (100) and the 土用 starts (27, 117, 207, 297).
JstInstant solarLongitudeInstant(double degrees, int year);

// The 24 solar terms of `year`: [k] is the passage of 15 k degrees, in the term
// order of the calendar's name table (0 = 春分, 18 = 冬至, 19..23 = 小寒..啓蟄,
// which fall in January to early March of the same year).
std::array<JstInstant, 24> solarTermInstants(int year);

// Every solar term whose instant lies in [jdUtFrom, jdUtTo), Julian Days of UT,
// in time order, with its index k as above: for the old calendar, which needs the
// terms of some fourteen months rather than of whole years.
struct TermInstant {
  int k;
  JstInstant instant;
};
std::vector<TermInstant> solarTermInstantsBetween(double jdUtFrom, double jdUtTo);

// Every passage of the Sun through a multiple of 5 degrees (the 七十二候) whose
// instant lies in [jdUtFrom, jdUtTo), in time order; k is the multiple, 0..71
// (0 = 0 degrees, 3 k' for the term k' above).
struct KouInstant {
  int k;
  JstInstant instant;
};
std::vector<KouInstant> solarKouInstantsBetween(double jdUtFrom, double jdUtTo);

// Every new moon (apparent longitudes of the Moon and the Sun equal) whose
// instant lies in [jdUtFrom, jdUtTo), Julian Days of UT, in time order.
std::vector<JstInstant> newMoonInstants(double jdUtFrom, double jdUtTo);

// The principal phases of the Moon (朔弦望): the instants when the Moon's apparent
// longitude less the Sun's is 90 q degrees, q = 0 new moon (朔), 1 first quarter
// (上弦), 2 full moon (望), 3 last quarter (下弦). Solved as the new moons.
struct PhaseInstant {
  int quarter;  // 0..3
  JstInstant instant;
};
// Every principal phase whose instant lies in [jdUtFrom, jdUtTo), in time order.
std::vector<PhaseInstant> moonPhaseInstants(double jdUtFrom, double jdUtTo);

// Julian Day (UT) of 00:00 JST at the start of a proleptic Gregorian date, for
// the bounds of newMoonInstants: new moons of 2024 are
// newMoonInstants(jstMidnight(2024, 1, 1), jstMidnight(2025, 1, 1)).
double jstMidnight(int year, int month, int day);

}  // namespace ventorel
