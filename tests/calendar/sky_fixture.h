// Skies of real years for the calendar tests: the days (Japan Standard Time) of
// every new moon and of the 24 solar terms, laid into a run state the way the
// day walk leaves them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/run_state.h"

namespace ventorel::testing {

struct Date {
  int month;
  int day;
};

struct YearSky {
  int year;
  std::vector<Date> newMoons;  // in date order
  std::array<Date, 24> terms;  // term k (0 = 春分, 18 = 冬至) of that year; {0, 0} = not placed
};

// The sky of a year from 1984 to 2035 among those the tests use.
const YearSky& skyOf(int year);

// Day index of a date of `year`.
int dayIndex(int year, Date date);

// Lays the three years around `chosenYear` into the state as the day walk does:
// term names and numbers on their days, new-moon marks, moon ages counted from
// each new moon, the new-moon lists and the year-end moon ages. The term cursor
// left for the month numbering is 19, the term after 冬至.
void laySky(RunState& state, int chosenYear);
void laySky(RunState& state, const YearSky& before, const YearSky& chosen, const YearSky& after);

// The month names on the new-moon days of `sky` in slot `slot`, in date order.
std::vector<std::string> monthsOf(const RunState& state, int slot, const YearSky& sky);

}  // namespace ventorel::testing
