// Every year from -3000 to 3000 through the sky passes: the month numbering
// that follows relies on 24 terms and 12 or 13 new moons in each of them.
#include <gtest/gtest.h>

#include "sky_runs.h"

namespace ventorel {
namespace {

using testing::SkyRun;

TEST(SkyYears, EveryYearHasItsTermsAndNewMoons) {
  SkyRun run;
  for (double chosen = -2999; chosen <= 3000; chosen += 3) {
    ASSERT_NO_THROW(run.run(chosen));
    for (int slot = 0; slot < 3; ++slot) {
      const double year = run.yearOf(slot);
      testing::expectTwentyFourTermsInOrder(run, slot);
      testing::expectConsistentMoonAges(run, slot);
      const YearSky& s = run.sky(slot);
      // 12 or 13 new moons, 29 or 30 days apart.
      const std::size_t count = s.newMoons.size();
      ASSERT_TRUE(count == 12 || count == 13) << "year " << year << ": " << count;
      for (std::size_t n = 1; n < count; ++n) {
        const int gap = s.newMoons[n].day - s.newMoons[n - 1].day;
        ASSERT_TRUE(gap == 29 || gap == 30) << "year " << year << " new moon " << n << ": " << gap;
      }
      // The model keeps 春分 in March: near the 20th now, drifting to the 26th by -3000.
      const int equinox = s.termDay[0] - (59 + leapDay(year));  // day of March
      ASSERT_GE(equinox, 18) << "year " << year;
      ASSERT_LE(equinox, 27) << "year " << year;
    }
  }
}

}  // namespace
}  // namespace ventorel
