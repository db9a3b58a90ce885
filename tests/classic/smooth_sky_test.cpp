// The daily walk's smooth positions: within their stated distance of the model's
// own, and the same sky as a walk by the model's positions alone.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "classic/year_walk.h"

namespace ventorel {
namespace {

double turnDistance(double a, double b) { return std::fabs(std::remainder(a - b, 360)); }

// Every day of years spread over -4000..4000: the halving's grid is the only
// difference of any size, so the distance stays below the bound itself (the
// margin without its reserve) and comes near it.
TEST(SmoothOrbit, StaysWithinTheHalvingsBoundOfTheModel) {
  const double sunBound = SmoothOrbit::margin(0.05, 1) / 1.35;
  const double moonBound = SmoothOrbit::margin(MoonEccentricity, std::cos(OrbitElements().orbitI[MoonBody] / DegreesPerRadian)) / 1.35;
  double sunWorst = 0, moonWorst = 0;
  for (double year = -4000; year <= 4000; year += 97) {
    SkyWalk walk(OrbitElements(), year);
    walk.orbit.perihelionOffset[SunBody] = sunPerihelionOffset(sunEccentricity(walk.tYears));
    walk.orbit.perihelionOffset[MoonBody] = moonPerigeeOffset();
    SmoothOrbit smooth(walk.orbit);
    for (int b = 0; b <= walk.sky.lastDay; ++b, walk.tYears += 1 / TropicalYear) {
      const std::optional<double> sun = smooth.sunLongitude(walk.tYears);
      const std::optional<SmoothMoon> moon = smooth.moonPosition(walk.tYears);
      ASSERT_TRUE(sun && moon) << year << " day " << b;
      bodyPosition(walk.orbit, SunBody, walk.tYears);
      bodyPosition(walk.orbit, MoonBody, walk.tYears);
      sunWorst = std::max(sunWorst, turnDistance(*sun, walk.orbit.eclipticLongitude[SunBody]));
      moonWorst = std::max(moonWorst, turnDistance(moon->longitude, walk.orbit.eclipticLongitude[MoonBody]));
    }
  }
  EXPECT_LT(sunWorst, sunBound);
  EXPECT_LT(moonWorst, moonBound);
  EXPECT_GT(sunWorst, sunBound * 0.8);
  EXPECT_GT(moonWorst, moonBound * 0.8);
}

void expectSameSky(const YearSky& a, const YearSky& b, double year) {
  for (int k = 0; k < 24; ++k) ASSERT_EQ(a.termDay[k], b.termDay[k]) << year << " term " << k;
  ASSERT_EQ(a.newMoons.size(), b.newMoons.size()) << year;
  for (std::size_t n = 0; n < a.newMoons.size(); ++n) ASSERT_EQ(a.newMoons[n].day, b.newMoons[n].day) << year;
  ASSERT_EQ(a.yearEndMoonAge, b.yearEndMoonAge) << year;
  ASSERT_EQ(a.nextTerm, b.nextTerm) << year;
  ASSERT_EQ(a.nyubaiDay, b.nyubaiDay) << year;
  ASSERT_EQ(a.hangeshoDay, b.hangeshoDay) << year;
}

// Ordinary years, the years whose wrap comes fast, and years so far out that the
// time itself is coarse (where the turned sines give way to fresh ones).
TEST(SmoothOrbit, TheWalkFindsTheModelsSky) {
  std::vector<double> years{2092, 2702, 1e6, -1e6, 3e7, 1e9, -1e9, 1e12};
  for (double year = -3001; year <= 3001; year += 13) years.push_back(year);
  for (const double year : years) {
    SkyWalk smooth(OrbitElements(), year), model(OrbitElements(), year);
    expectSameSky(walkYear(smooth), walkYearByModel(model), year);
  }
}

}  // namespace
}  // namespace ventorel
