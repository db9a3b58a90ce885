// The compiled-in events of the precise sky against the direct solve.
#include "astro/precise_year.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "astro/julian_day.h"
#include "data/checked_table.h"

namespace ventorel {
namespace {

TEST(PreciseYear, TableGivesTheDirectSolvesDayAndSecond) {
  std::vector<int> years = {PreciseYearTableFirstYear, PreciseYearTableLastYear, 2021, 2024, 2033, 2097, 1873, 1600,
                            2200};
  for (int year = PreciseYearTableFirstYear; year <= PreciseYearTableLastYear; year += 37) years.push_back(year);
  for (int year : years) EXPECT_EQ(preciseYearEvents(year), computePreciseYearEvents(year)) << year;
}

TEST(PreciseYear, YearsBeyondTheTableAreSolvedDirectly) {
  for (int year : {PreciseYearTableFirstYear - 1, PreciseYearTableLastYear + 1})
    EXPECT_EQ(preciseYearEvents(year), computePreciseYearEvents(year)) << year;
}

TEST(PreciseYear, ARowWithTooManyNewMoonsIsRefused) {
  PackedYear row = packYear(preciseYearEvents(2024));
  row[30] = 14;  // the new-moon count
  EXPECT_THROW(unpackYear(row), TableBoundsError);
}

// Late-evening events against published times: a day or an hour lost on the way
// to the table would show.
TEST(PreciseYear, EventsKeepTheirJstDayAndMinute) {
  using Pick = SkyEvent (*)(const PreciseYearEvents&);
  struct Case { int year, month, day, minuteOfDay; Pick pick; const char* what; };
  for (const Case c : {
           Case{2024, 8, 22, 23 * 60 + 55, [](const PreciseYearEvents& e) { return e.terms[10]; }, "処暑 2024"},
           Case{2025, 2, 3, 23 * 60 + 10, [](const PreciseYearEvents& e) { return e.terms[21]; }, "立春 2025"},
           Case{2024, 1, 11, 20 * 60 + 57, [](const PreciseYearEvents& e) { return e.newMoons()[0]; }, "朔 2024-01"},
           Case{2097, 1, 13, 23 * 60 + 59, [](const PreciseYearEvents& e) { return e.newMoons()[0]; }, "朔 2097-01"},
       }) {
    const SkyEvent event = c.pick(preciseYearEvents(c.year));
    EXPECT_EQ(event.dayNumber, jdnOfGregorian(c.year, c.month, c.day)) << c.what;
    EXPECT_LE(std::abs(event.minuteOfDay() - c.minuteOfDay), 1) << c.what;  // the theories' seconds
  }
}

}  // namespace
}  // namespace ventorel
