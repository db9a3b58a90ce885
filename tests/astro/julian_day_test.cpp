#include "astro/julian_day.h"

#include <gtest/gtest.h>

#include <limits>

namespace ventorel {
namespace {

TEST(JulianDay, GregorianDatesAndEpochDaysGiveTheKnownDayNumbers) {
  struct Case { int y, m, d; std::int64_t jdn; };
  for (const Case c : {Case{2000, 1, 1, 2451545}, {1982, 8, 19, 2445201}, {1858, 11, 17, 2400001},
                       {1582, 10, 15, 2299161}, {1, 1, 1, 1721426}, {-4713, 11, 24, 0}, {1703, 1, 30, 2343097},
                       {445, 1, 25, 1883618}, {1872, 12, 31, 2405159}, {1873, 1, 1, 2405160}}) {
    const std::int64_t jdn = jdnOfGregorian(c.y, c.m, c.d);
    EXPECT_EQ(jdn, c.jdn) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(jdnOfEpochDay(epochDayOfJdn(jdn)), jdn) << jdn;
  }
  EXPECT_EQ(epochDayOfJdn(2451545), 6344);
  EXPECT_EQ(jdnOfEpochDay(-1), 2445200);
  // Day numbers far outside any calendar saturate rather than overflow.
  EXPECT_EQ(jdnOfEpochDay(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_LT(epochDayOfJdn(std::numeric_limits<std::int64_t>::min()), 0);
}

}  // namespace
}  // namespace ventorel
