#include "newmoon_table.h"

#include <cmath>

namespace ventorel::tools {

namespace {

constexpr double JstDays = 9.0 / 24.0;

}  // namespace

CivilTime civilTimeOfJulianDay(double jd) {
  // Meeus, chapter 7 (Gregorian calendar throughout; the table starts in 1901).
  const double shifted = jd + 0.5;
  const double z = std::floor(shifted);
  const double fraction = shifted - z;
  const double alpha = std::floor((z - 1867216.25) / 36524.25);
  const double a = z + 1 + alpha - std::floor(alpha / 4);
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  CivilTime time{};
  time.day = static_cast<int>(b - d - std::floor(30.6001 * e));
  time.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  time.year = static_cast<int>(time.month > 2 ? c - 4716 : c - 4715);
  const double seconds = fraction * 86400;
  time.hour = static_cast<int>(seconds / 3600);
  time.minute = static_cast<int>((seconds - time.hour * 3600) / 60);
  time.second = seconds - time.hour * 3600 - time.minute * 60;
  return time;
}

std::vector<NewMoon> newMoonsJst(int firstYear, int lastYear) {
  std::vector<NewMoon> moons;
  const int firstK = static_cast<int>(std::floor((firstYear - 2000) * 12.3685)) - 2;
  const int lastK = static_cast<int>(std::ceil((lastYear + 1 - 2000) * 12.3685)) + 2;
  for (int k = firstK; k <= lastK; ++k) {
    NewMoon moon{};
    moon.k = k;
    moon.jde = newMoonJde(k);
    const CivilTime tt = civilTimeOfJulianDay(moon.jde);
    const double decimalYear = tt.year + (tt.month - 0.5) / 12;
    moon.jdUt = moon.jde - deltaTSeconds(decimalYear) / 86400;
    const double jdJst = moon.jdUt + JstDays;
    moon.jst = civilTimeOfJulianDay(jdJst);
    const double dayFraction = (jdJst + 0.5) - std::floor(jdJst + 0.5);
    moon.secondsFromMidnight = (dayFraction < 0.5 ? dayFraction : dayFraction - 1) * 86400;
    if (moon.jst.year >= firstYear && moon.jst.year <= lastYear) moons.push_back(moon);
  }
  return moons;
}

std::string newMoonTableText(int firstYear, int lastYear) {
  std::string text;
  for (const NewMoon& moon : newMoonsJst(firstYear, lastYear))
    text += std::to_string(moon.jst.year) + "," + std::to_string(moon.jst.month) + "," +
            std::to_string(moon.jst.day) + "\r\n";
  return text;
}

}  // namespace ventorel::tools
