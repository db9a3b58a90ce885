#include "calendar/historical_days.h"

#include <cmath>

#include "astro/julian_day.h"
#include "data/historical_months.h"

namespace ventorel {

void takeHistoricalMonths(LunarDays& lunar) {
  for (LunarYear& year : lunar.years) {
    // Only whole years 445..1872 hold days of the table.
    if (year.year != std::floor(year.year) || year.year < HistoricalFirstYear || year.year > HistoricalLastYear)
      continue;
    const std::int64_t firstJdn = jdnOfGregorian(static_cast<int>(year.year), 1, 1);
    const auto days = historicalDays(firstJdn, year.lastDay);
    for (int d = 1; d <= year.lastDay; ++d) {
      const auto& historical = days.at(static_cast<std::size_t>(d - 1));
      if (!historical) continue;
      LunarDay& day = year.days[d];
      day.month = LunarMonth{historical->month, historical->leap};
      day.day = historical->day;
      day.monthStartsHere = historical->day == 1;
    }
  }
}

}  // namespace ventorel
