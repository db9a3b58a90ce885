#include "calendar/moon_age.h"

#include <cmath>

#include "astro/day_count.h"

namespace ventorel {

namespace {

constexpr double SecondsPerDay = 86400;

// The new moons of a sky as days since 1 January of year 1 (with the time of day),
// appended in time order; false if one has no instant.
bool appendMoonDays(const YearSky& sky, std::vector<double>& days) {
  const double before = daysBeforeYear(sky.year);
  for (const NewMoon& moon : sky.newMoons) {
    if (!moon.instant) return false;
    const JstMinute& t = *moon.instant;
    days.push_back(before + moon.day - 1 + (t.hour * 3600 + t.minute * 60 + t.second) / SecondsPerDay);
  }
  return true;
}

}  // namespace

std::vector<std::optional<double>> noonMoonAges(const SkyTrio& skies) {
  const YearSky& sky = skies[1];
  std::vector<std::optional<double>> ages(static_cast<std::size_t>(sky.lastDay) + 1);
  std::vector<double> moons;
  if (!appendMoonDays(skies[0], moons) || !appendMoonDays(sky, moons)) return ages;
  const double before = daysBeforeYear(sky.year);
  std::size_t next = 0;  // the first new moon after the noon of the day
  for (int d = 1; d <= sky.lastDay; ++d) {
    const double noon = before + d - 1 + 0.5;
    while (next < moons.size() && moons[next] <= noon) ++next;
    if (next == 0) continue;
    ages[static_cast<std::size_t>(d)] = std::round((noon - moons[next - 1]) * 10) / 10;
  }
  return ages;
}

}  // namespace ventorel
