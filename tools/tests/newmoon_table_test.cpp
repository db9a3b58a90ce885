#include "newmoon_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "datafile_encoding.h"
#include "tool_files.h"

namespace ventorel::tools {
namespace {

std::string readSourceFile(const std::string& relative) {
  return readFileBytes((std::string(VENTOREL_SOURCE_DIR) + "/" + relative).c_str()).value_or("");
}

TEST(NewMoonTable, TheSeriesReproducesTheWorkedExample) {
  // Astronomical Algorithms, example 49.a: the new moon of 1977 February.
  EXPECT_NEAR(newMoonJde(-283), 2443192.65118, 0.00001);
  const CivilTime t = civilTimeOfJulianDay(2443192.65118);
  EXPECT_EQ((std::array<int, 5>{t.year, t.month, t.day, t.hour, t.minute}), (std::array<int, 5>{1977, 2, 18, 3, 37}));
}

TEST(NewMoonTable, DeltaTFollowsThePublishedPolynomials) {
  struct Case { double year, seconds, tolerance; };
  for (const Case c : {Case{1900.0, -2.79, 0.01}, {1950.0, 29.07, 0.01}, {1975.0, 45.45, 0.01}, {2000.0, 63.86, 0.01},
                       {2010.0, 66.70, 0.2}, {2100.0, 202.7, 0.5}})
    EXPECT_NEAR(deltaTSeconds(c.year), c.seconds, c.tolerance) << c.year;
  // The pieces meet without a jump of more than a second.
  for (double y : {1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0})
    EXPECT_NEAR(deltaTSeconds(y - 1e-9), deltaTSeconds(y), 1.0) << y;
}

TEST(NewMoonTable, NewMoonsNearMidnightFallOnTheirDay) {
  struct Case { int year, month, day, hour, minute; };
  // Each within a few minutes of local midnight.
  for (const Case c : {Case{1908, 9, 25, 23, 59}, {2005, 12, 2, 0, 0}, {2012, 6, 20, 0, 2}, {2017, 2, 26, 23, 58},
                       {2035, 1, 10, 0, 3}, {2097, 1, 13, 23, 59}}) {
    bool found = false;
    for (const NewMoon& moon : newMoonsJst(c.year, c.year)) {
      if (moon.jst.month != c.month || std::abs(moon.jst.day - c.day) > 1) continue;
      found = true;
      EXPECT_EQ(moon.jst.day, c.day) << c.year << "-" << c.month;
      EXPECT_EQ(moon.jst.hour, c.hour) << c.year << "-" << c.month;
      EXPECT_EQ(moon.jst.minute, c.minute) << c.year << "-" << c.month;
    }
    EXPECT_TRUE(found) << c.year << "-" << c.month;
  }
}

TEST(NewMoonTable, TheShippedTableIsTheToolsOutput) {
  const std::string generated = newMoonTableText(1901, 2099);
  EXPECT_EQ(newMoonsJst(1901, 2099).size(), 2461u);
  EXPECT_EQ(generated.substr(0, 11), "1901,1,20\r\n");
  EXPECT_TRUE(readSourceFile("data/singetu.dat") == generated) << "regenerate with the data-files target";
}

TEST(ShippedDataFiles, TheShippedFilesAreTheirSourcesInCp932) {
  for (const char* name : {"shuku", "gen1", "gen2"}) {
    const auto expected = shippedDataFileBytes(readSourceFile(std::string("data/source/") + name + ".csv"));
    ASSERT_TRUE(expected) << name;
    EXPECT_TRUE(readSourceFile(std::string("data/") + name + ".dat") == *expected)
        << name << ".dat differs from its source; regenerate with the data-files target";
  }
  EXPECT_EQ(shippedDataFileBytes("a\nb\r\nc\rd"), std::optional<std::string>("a\r\nb\r\nc\r\nd"));
  EXPECT_EQ(shippedDataFileBytes("元"), std::optional<std::string>("\x8C\xB3"));
}

}  // namespace
}  // namespace ventorel::tools
