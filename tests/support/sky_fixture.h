// Skies of real years for the calendar tests: the days (Japan Standard Time) of
// every new moon and of the 24 solar terms, as the sky values of three years.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calendar/lunar_days.h"
#include "classic/classic_months.h"

namespace ventorel::testing {

struct Date {
  int month;
  int day;
};

struct KnownSky {
  int year;
  std::vector<Date> newMoons;  // in date order
  std::array<Date, 24> terms;  // term k (0 = 春分, 18 = 冬至) of that year; {0, 0} = not placed
};

// The sky of a year from 1984 to 2035 among those the tests use.
const KnownSky& skyOf(int year);

// Day index of a date of `year`.
int dayIndex(int year, Date date);

// The sky of a known year as a sky source gives it; the term awaited at the
// year's end is 19, the term after 冬至.
YearSky yearSkyOf(const KnownSky& sky);

// The skies of the three years around `chosenYear`, or of three given years.
SkyTrio skiesOf(int chosenYear);
SkyTrio skiesOf(const KnownSky& before, const KnownSky& chosen, const KnownSky& after);

// The month names on the new-moon days of `sky` in slot `slot`, in date order.
std::vector<std::string> monthsOf(const LunarDays& lunar, int slot, const KnownSky& sky);

}  // namespace ventorel::testing
