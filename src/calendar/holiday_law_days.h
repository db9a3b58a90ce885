// The national holidays of one year under the holiday law in force on each day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/holiday_law.h"

namespace ventorel {

enum class HolidayKind : std::uint8_t {
  Law,         // a holiday the law names, on its date, n-th Monday or equinox
  Substitute,  // 振替休日: the day off for a holiday that fell on a Sunday
  Between,     // 国民の休日: a day between two holidays
  OneOff,      // a single day set by its own law
};

struct Holiday {
  int month;
  int day;
  HolidayKind kind;
  int rule;  // the law's rule that placed the day; its name is the holiday's
  bool prewar = false;  // a 祝祭日 of the decrees, before HolidayLawFirstDay
};

// The days on which the two equinoxes fall in Japan; a month of 0 for an equinox
// the sky did not place in the year.
struct EquinoxDates {
  int springMonth = 3;
  int springDay = 0;
  int autumnMonth = 9;
  int autumnDay = 0;
};

// The holidays of `year` in date order. The equinox days (the day of March and
// the day of September on which the equinoxes fall in Japan) are inputs: they
// come from the sky. A year before the law's first rule has none.
//
// Dated rules (fixed dates, n-th Mondays, equinoxes, single days) place their
// days first, the earlier rule of the file winning a shared day; then the
// substitute rule in force on each Sunday holiday adds its day; then the
// in-between rule in force on a day makes it a holiday. Substitutes and
// in-between days may cross the turn of the year, so the last days of the year
// before and the first of the year after are taken into account.
//
// Throws std::domain_error for an equinox day that is not a day of its month.
std::vector<Holiday> holidaysOfYear(const HolidayLaw& law, int year, int springEquinoxDayOfMarch,
                                    int autumnEquinoxDayOfSeptember);

// The same for equinoxes in any month (a year far from today, whose equinoxes the
// calendar has moved away from March and September) and years beyond an int.
// Throws std::domain_error for an equinox date that is no day of the year.
std::vector<Holiday> holidaysOfYear(const HolidayLaw& law, std::int64_t year, const EquinoxDates& equinoxes);

// The name of a holiday: that of the rule that placed it.
const std::string& holidayName(const HolidayLaw& law, const Holiday& holiday);

}  // namespace ventorel
