#include "calendar/new_moon_days.h"

#include <algorithm>
#include <cstddef>

namespace ventorel {

NewMoonDays::NewMoonDays(const YearSky& sky) : sky_(&sky) {
  // The last moon of the list that lies on or before day 1, 2, ...: the list is in
  // day order, but the answer does not rely on it.
  int latest = -1;
  const int count = static_cast<int>(sky.newMoons.size());
  for (int i = 0; i < count; ++i) {
    const int day = sky.newMoons[static_cast<std::size_t>(i)].day;
    if (day < 1) latest = i;
    else if (day <= sky.lastDay) moonOn_[day] = i + 1;
  }
  for (int d = 1; d <= sky.lastDay; ++d) {
    latest = std::max(latest, moonOn_[d] - 1);
    age_[d] = latest < 0 ? 0 : d - sky.newMoons[static_cast<std::size_t>(latest)].day + 1;
  }
}

}  // namespace ventorel
