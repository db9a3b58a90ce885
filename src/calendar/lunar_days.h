// The old calendar of three years, day by day: the month (number and leap flag)
// and the day of the month of every day, from the three years' skies.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/year_sky.h"
#include "data/checked_table.h"

namespace ventorel {

// The year before, the chosen year and the year after.
using SkyTrio = std::array<YearSky, 3>;

// An old-calendar month. A day before the first new moon of the three years has
// no month (no number, no leap flag).
struct LunarMonth {
  std::optional<int> number;
  bool leap = false;
  bool operator==(const LunarMonth&) const = default;
};

struct LunarDay {
  LunarMonth month;
  int day = 0;       // day of the month (the moon age, counted on across the year ends)
  int moonAge = 0;   // the age the sky gives, continued from the year before; in the
                     // first year 0 before its first new moon
  bool monthStartsHere = false;  // a new-moon day that received a month name
};

struct LunarYear {
  double year = 0;  // astronomical numbering
  int lastDay = 365;
  Table<LunarDay, DaysPerSlot> days{"lunarDays"};  // days 1..lastDay
};

struct LunarDays {
  std::array<LunarYear, 3> years;
};

// The month as its name: "閏" for a leap month, then the number and "月"; "" for none.
std::string monthName(const LunarMonth& month);

}  // namespace ventorel
