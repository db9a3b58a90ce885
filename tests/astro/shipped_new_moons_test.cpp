// The new moons of the shipped table against the computed ones, and the choice
// of the source by a whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "data/data_files.h"
#include "sky_runs.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::MonthAndDay;
using testing::SkyRun;

void loadShipped(RunState& state) {
  state.programFolder = testing::shippedDataFolder();
  RecordingMessageBox messages;
  loadDataFiles(state, messages);
  ASSERT_TRUE(messages.texts.empty());
}

int firstRowOf(const RunState& state, double year) {
  for (int r = 1; r <= NewMoonRows; ++r)
    if (state.newMoonTable(r, 1).equals(year)) return r;
  return 0;
}

TEST(ShippedNewMoons, TheTableGives2024) {
  SkyRun run;
  loadShipped(*run.state);
  run.run(2024, true, firstRowOf(*run.state, 2023));
  EXPECT_EQ(run.newMoonDates(1), (std::vector<MonthAndDay>{{1, 11}, {2, 10}, {3, 10}, {4, 9}, {5, 8}, {6, 6}, {7, 6},
                                                          {8, 4}, {9, 3}, {10, 3}, {11, 1}, {12, 1}, {12, 31}}));
  EXPECT_EQ(run.state->yearEndMoonAge[1], 1);
}

// The computed new moons stay within a day of the table's over its whole range.
TEST(ShippedNewMoons, ComputedNewMoonsAgreeWithTheTableToADay) {
  SkyRun table;
  SkyRun computed;
  loadShipped(*table.state);
  int sameDay = 0;
  int total = 0;
  for (double year = 1902; year <= 2098; year += 3) {
    table.run(year, true, firstRowOf(*table.state, year - 1));
    computed.run(year);
    for (int slot = 0; slot < 3; ++slot) {
      const RunState& t = *table.state;
      const RunState& c = *computed.state;
      int tableCount = 0;
      while (tableCount < 14 && t.newMoonDay(slot, tableCount + 1) != 0) ++tableCount;
      ASSERT_TRUE(tableCount == 12 || tableCount == 13) << year + slot - 1;
      for (int n = 1; n <= tableCount; ++n) {
        const int b = t.newMoonDay(slot, n);
        int nearest = 999;
        for (int m = 1; m <= 14 && c.newMoonDay(slot, m) != 0; ++m)
          if (std::abs(c.newMoonDay(slot, m) - b) < std::abs(nearest)) nearest = c.newMoonDay(slot, m) - b;
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
  struct Case {
    const char* year;
    int fromTable;
  };
  for (const Case c : {Case{"1901", 0}, {"1902", 1}, {"2098", 1}, {"2099", 0}}) {
    testing::TempFolder folder;
    testing::copyShippedData(folder);
    testing::RecordedRun run;
    run.state->programFolder = folder.path();
    loadDataFiles(*run.state, run.messages);
    run.run(c.year);
    const RunState& s = *run.state;
    EXPECT_EQ(s.useNewMoonTable, c.fromTable) << c.year;
    if (c.fromTable == 1) {
      // The year before starts at its first table row: 1901-01-20 for 1902.
      if (std::string(c.year) == "1902") {
        EXPECT_EQ(s.newMoonDay(0, 1), 20);
      }
      for (int slot = 0; slot < 3; ++slot) EXPECT_GE(s.newMoonDay(slot, 12), 300) << c.year << " " << slot;
    }
  }
}

}  // namespace
}  // namespace ventorel
