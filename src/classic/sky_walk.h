// The working values of one year's daily walk through the Kepler model: local to
// the computation of one YearSky, shared by the Sun's and the Moon's part of it.
#pragma once

#include <optional>

#include "astro/day_count.h"
#include "classic/orbit.h"
#include "astro/year_sky.h"
#include "data/reference_data.h"

namespace ventorel {

struct SkyWalk {
  // Starts the walk of `year` (astronomical numbering) at 1 January 00:00 local time.
  SkyWalk(const OrbitElements& elements, double year);

  OrbitTables orbit;
  MonthStarts monthStart{"monthStart"};
  double tYears = 0;  // tropical years since 1982-08-18 15:00 UT, at the end of the current day
  YearSky sky;

  // The new moons from the table instead of the model, with the row expected next
  // (unset: row 0, which holds nothing).
  const NewMoonTable* newMoonTable = nullptr;
  std::optional<int> newMoonRow;
};

}  // namespace ventorel
