// The new moons of the shipped table against the computed ones, and the choice
// of the source by a whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/program_folder.h"
#include "app/calendar_sources.h"
#include "sky_runs.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::MonthAndDay;
using testing::SkyRun;

void loadShipped(ReferenceData& data) {
  LoadedReferenceData loaded = loadProgramFolder(testing::shippedDataFolder());
  ASSERT_TRUE(loaded.problems.empty());
  data = std::move(loaded.data);
}

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

TEST(ShippedNewMoons, TheChosenYearDecidesTheSource) {
  ReferenceData data;
  loadShipped(data);
  struct Case {
    double year;
    bool fromTable;
  };
  for (const Case c : {Case{1901, false}, {1902, true}, {2098, true}, {2099, false}}) {
    const ComputedCalendar computed = computeCalendar(c.year, CalendarBasis::Classic, data);
    const SkyTrio& skies = computed.skies;
    // The table starts the year before at its first row: 1901-01-20 for 1902.
    if (c.year == 1902) {
      EXPECT_EQ(skies[0].newMoons.at(0).day, 20);
    }
    for (int slot = 0; slot < 3; ++slot) EXPECT_GE(skies[static_cast<std::size_t>(slot)].newMoons.at(11).day, 300);
  }
}

}  // namespace
}  // namespace ventorel
