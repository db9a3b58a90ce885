// The new moons of the shipped table against the computed ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "sky_runs.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::MonthAndDay;
using testing::SkyRun;

void loadShipped(ReferenceData& data) { data = testing::shippedData(); }

TEST(ShippedNewMoons, TheTableGives2024) {
  SkyRun run;
  loadShipped(*run.data);
  run.run(2024, true);
  EXPECT_EQ(run.newMoonDates(1), (std::vector<MonthAndDay>{{1, 11}, {2, 10}, {3, 10}, {4, 9}, {5, 8}, {6, 6}, {7, 6},
                                                          {8, 4}, {9, 3}, {10, 3}, {11, 1}, {12, 1}, {12, 31}}));
  EXPECT_EQ(run.sky(1).yearEndMoonAge, 1);
}

// The computed new moons stay within a day of the table's over its whole range.
TEST(ShippedNewMoons, ComputedNewMoonsAgreeWithTheTableToADay) {
  SkyRun table;
  SkyRun computed;
  loadShipped(*table.data);
  int sameDay = 0;
  int total = 0;
  for (double year = 1902; year <= 2098; year += 3) {
    table.run(year, true);
    computed.run(year);
    for (int slot = 0; slot < 3; ++slot) {
      const std::vector<NewMoon>& t = table.sky(slot).newMoons;
      ASSERT_TRUE(t.size() == 12 || t.size() == 13) << year + slot - 1;
      for (const NewMoon& moon : t) {
        const int b = moon.day;
        int nearest = 999;
        for (const NewMoon& other : computed.sky(slot).newMoons)
          if (std::abs(other.day - b) < std::abs(nearest)) nearest = other.day - b;
        // A new moon near the turn of the year may be counted in the neighbouring year.
        if (b <= 1 || b >= table.lastDay(slot)) continue;
        ASSERT_LE(std::abs(nearest), 1) << "year " << year + slot - 1 << " table day " << b;
        ++total;
        if (nearest == 0) ++sameDay;
      }
    }
  }
  // The model and the table put about 99 in 100 on the same day.
  EXPECT_GT(sameDay, total * 97 / 100) << sameDay << " of " << total;
}

}  // namespace
}  // namespace ventorel
