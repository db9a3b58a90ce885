#include "classic/moon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "classic/orbit.h"
#include "classic/sky_walk.h"
#include "sky_runs.h"

namespace ventorel {
namespace {

using testing::MonthAndDay;
using testing::SkyRun;

using testing::expectConsistentMoonAges;

TEST(NewMoons, ComputedYear2150) {
  SkyRun run;
  run.run(2150);
  const std::vector<MonthAndDay> dates = run.newMoonDates(1);
  ASSERT_EQ(dates.size(), 12u);
  const std::vector<MonthAndDay> known{{1, 29}, {2, 27}, {3, 29}, {4, 27}, {5, 27}, {6, 25}, {7, 24}, {9, 21},
                                       {11, 19}, {12, 19}};
  for (const MonthAndDay& date : known)
    EXPECT_NE(std::find(dates.begin(), dates.end(), date), dates.end()) << date;
  EXPECT_EQ(dates[7].month, 8);
  EXPECT_EQ(dates[9].month, 10);
  for (int slot = 0; slot < 3; ++slot) expectConsistentMoonAges(run, slot);
}

// Fills newMoonTable from row 1 with the given dates.
void fillTable(ReferenceData& s, const std::vector<std::array<double, 3>>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    s.newMoonTable[static_cast<std::int64_t>(i + 1)] =
        NewMoonDate{static_cast<std::int64_t>(rows[i][0]), static_cast<int>(rows[i][1]), static_cast<int>(rows[i][2])};
}

TEST(NewMoons, TableModeTakesEveryDateOfTheThreeYearsInTurn) {
  SkyRun run;
  // Made-up dates: the table alone decides, the Moon's position has no say.
  fillTable(*run.data, {{1901, 1, 1}, {1901, 6, 15}, {1901, 12, 31},
                         {1902, 1, 1}, {1902, 2, 28}, {1902, 3, 1}, {1902, 12, 31},
                         {1903, 7, 4}, {1904, 1, 1}});
  run.run(1902, true);
  EXPECT_EQ(run.newMoonDates(0), (std::vector<MonthAndDay>{{1, 1}, {6, 15}, {12, 31}}));
  EXPECT_EQ(run.newMoonDates(1), (std::vector<MonthAndDay>{{1, 1}, {2, 28}, {3, 1}, {12, 31}}));
  EXPECT_EQ(run.newMoonDates(2), (std::vector<MonthAndDay>{{7, 4}}));
  EXPECT_EQ(run.sky(1).moonAgeOn(59), 1);  // 28 February and 1 March: two new moons in a row
  EXPECT_EQ(run.sky(1).moonAgeOn(60), 1);
  EXPECT_EQ(run.sky(1).moonAgeOn(61), 2);
  EXPECT_EQ(run.sky(0).yearEndMoonAge, 1);
  EXPECT_EQ(run.sky(2).yearEndMoonAge, 181);  // 4 July to 31 December
  for (int slot = 0; slot < 3; ++slot) expectConsistentMoonAges(run, slot);
}

TEST(NewMoons, TableModeWithoutAStartingRowFindsNoNewMoon) {
  SkyRun run;  // an empty table, as when the data file is missing
  run.run(2000, true);
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_TRUE(run.newMoonDates(slot).empty()) << slot;
    EXPECT_EQ(run.sky(slot).yearEndMoonAge, 0);
  }
}

TEST(NewMoons, TableModeStopsAtAMissingDateAndAtTheLastRow) {
  {
    SkyRun run;  // 1902-02-30 matches no day: every later row is missed
    fillTable(*run.data, {{1902, 1, 10}, {1902, 2, 30}, {1902, 3, 10}});
    run.run(1902, true);
    EXPECT_EQ(run.newMoonDates(1), (std::vector<MonthAndDay>{{1, 10}}));
  }
  {
    SkyRun run;  // the last row of the table is taken and stays the expected row
    ReferenceData& s = *run.data;
    s.newMoonTable[NewMoonRows] = NewMoonDate{2099, 12, 20};
    run.run(2098, true);
    EXPECT_EQ(run.newMoonDates(2), (std::vector<MonthAndDay>{{12, 20}}));
  }
}

TEST(MoonLongitude, ElongationIsTheMoonLessTheSunWithinACircle) {
  SkyWalk s(OrbitElements(), 1982);
  MoonPhases moon;
  s.orbit.perihelionOffset[SunBody] = sunPerihelionOffset(sunEccentricity(0));
  s.orbit.perihelionOffset[MoonBody] = MoonPhases::perigeeOffset();
  for (double t = -50; t < 50; t += 0.37) {
    bodyPosition(s.orbit, SunBody, t);
    bodyPosition(s.orbit, MoonBody, t);
    moon.sample(s.orbit.eclipticLongitude[MoonBody], s.orbit.eclipticLongitude[SunBody]);
    const double elongation = moon.moonElongation();
    ASSERT_GE(elongation, 0);
    ASSERT_LE(elongation, 360);
    const double difference = s.orbit.eclipticLongitude[MoonBody] - s.orbit.eclipticLongitude[SunBody];
    ASSERT_NEAR(std::remainder(elongation - difference, 360), 0, 1e-9);
    // The periodic correction keeps the Moon's longitude within 1.55 degrees of the orbit's.
    ASSERT_GT(s.orbit.eclipticLongitude[MoonBody], -1.56);
    ASSERT_LT(s.orbit.eclipticLongitude[MoonBody], 361.56);
  }
}

}  // namespace
}  // namespace ventorel
