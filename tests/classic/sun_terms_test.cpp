#include "classic/sun_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "classic/orbit.h"
#include "sky_runs.h"

namespace ventorel {
namespace {

using testing::MonthAndDay;
using testing::SkyRun;

constexpr double KeplerStep = 180.0 / (1 << 18);

enum Term { Shunbun = 0, Geshi = 6, Shubun = 12, Toji = 18, Shokan = 19, Risshun = 21 };

TEST(SolveKepler, ZeroMeanAnomalyMovesDownEveryStep) {
  for (double e : {0.0, 0.01671, 0.0548799, 0.3}) {
    EXPECT_EQ(solveKepler(0, e), KeplerStep) << e;
  }
}

TEST(SolveKepler, ResultsAreOddMultiplesOfTheLastStepAndSolveTheEquation) {
  for (double e : {0.0, 0.01671, 0.0548799}) {
    for (double g = 0; g < 1; g += 1.0 / 997) {
      const double anomaly = solveKepler(g, e);
      const double multiple = anomaly / KeplerStep;
      ASSERT_EQ(multiple, std::floor(multiple)) << g << " " << e;
      ASSERT_EQ(std::fmod(multiple, 2.0), 1.0) << g << " " << e;
      ASSERT_GT(anomaly, 0);
      ASSERT_LT(anomaly, 360);
      if (e == 0) {
        ASSERT_LE(std::fabs(anomaly - 360 * g), KeplerStep) << g;
      }
      // Kepler's equation holds to the bisection's resolution.
      const double radians = anomaly / DegreesPerRadian;
      const double mean = (radians - e * std::sin(radians)) / (2 * PI);
      ASSERT_NEAR(mean, g, 2 * KeplerStep / 360) << g << " " << e;
    }
  }
}

// The halving as plainly written, one sine per step.
double plainKepler(double g, double e) {
  double anomaly = 180, step = 180;
  for (int i = 0; i < 18; ++i) {
    step = step / 2;
    const double mean = (anomaly / DegreesPerRadian - e * std::sin(anomaly / DegreesPerRadian)) / (2 * PI);
    anomaly = g >= mean ? anomaly + step : anomaly - step;
  }
  return anomaly;
}

TEST(SolveKepler, SameToTheLastBitAsThePlainHalving) {
  // Mean anomalies spread over the circle, the ends of the range among them, and
  // values lying exactly on the halving's own means, where g >= M decides.
  // Out of range and not a number too: the halving then runs to one end.
  std::vector<double> fractions{0, 1e-300, 0.5, std::nextafter(1.0, 0.0), -0.25, 1.0, std::nan("")};
  for (int n = 0; n < 20000; ++n) fractions.push_back(std::fmod(n * 0.6180339887498949, 1.0));
  for (double e : {0.0, 0.01671, 0.0548799}) {
    for (double anomaly : {180.0, 90.0, 45.0, 270.0, 0.0013732910156250}) {
      const double mean = (anomaly / DegreesPerRadian - e * std::sin(anomaly / DegreesPerRadian)) / (2 * PI);
      fractions.push_back(mean);
      fractions.push_back(std::nextafter(mean, 0.0));
    }
  }
  for (double e : {0.0, 0.0167, 0.01671, 0.0548799, 0.03})
    for (double g : fractions) ASSERT_EQ(solveKepler(g, e), plainKepler(g, e)) << g << " " << e;
}

TEST(SunLongitude, OnlyTheSunAndTheMoonAreModelled) {
  OrbitTables orbit;
  EXPECT_THROW(bodyPosition(orbit, 4, 0), std::invalid_argument);
  orbit.perihelionOffset[SunBody] = sunPerihelionOffset(sunEccentricity(0));
  EXPECT_NO_THROW(bodyPosition(orbit, SunBody, 0));
  // 1982-08-19 00:00 local time: the Sun stands near 145 degrees.
  EXPECT_NEAR(orbit.eclipticLongitude[SunBody], 145.5, 1.0);
  EXPECT_NEAR(orbit.eclipticLongitudeRad[SunBody] * DegreesPerRadian, orbit.eclipticLongitude[SunBody], 1e-9);
}

using testing::expectTwentyFourTermsInOrder;

// The terms of a real year and of one the new-moon table does not reach.
TEST(SolarTerms, KnownYears) {
  struct Case { double year; int term; MonthAndDay date; };
  const Case cases[] = {{2024, Shokan, {1, 6}}, {2024, Risshun, {2, 4}}, {2024, Shunbun, {3, 20}},
                        {2024, Geshi, {6, 21}}, {2024, Shubun, {9, 22}},  {2024, Toji, {12, 21}},
                        {2150, Shokan, {1, 5}}, {2150, Risshun, {2, 4}}, {2150, Shunbun, {3, 21}},
                        {2150, Geshi, {6, 21}}, {2150, Shubun, {9, 23}},  {2150, Toji, {12, 22}}};
  SkyRun run;
  for (const Case& c : cases) {
    if (run.yearOf(1) != c.year) run.run(c.year);
    EXPECT_EQ(run.termDate(1, c.term), c.date) << c.year << " " << c.term;
  }
  run.run(2024);
  // After the last pass the walk waits for the term after 冬至 of the year after.
  EXPECT_EQ(run.sky(2).nextTerm, Shokan);
  // 80 and 100 degrees: 入梅 on 10 June, 半夏生 on 1 July 2024.
  EXPECT_EQ(run.dateOf(1, run.sky(1).nyubaiDay), (MonthAndDay{6, 10}));
  EXPECT_EQ(run.dateOf(1, run.sky(1).hangeshoDay), (MonthAndDay{7, 1}));
}

// In these years the first longitude after the wrap through 0 is 0.992 or more.
TEST(SolarTerms, YearsWithAFastWrapStillPlaceAllTerms) {
  for (double year : {2092.0, 2702.0}) {
    SkyRun run;
    run.run(year);
    expectTwentyFourTermsInOrder(run, 1);
    const MonthAndDay equinox = run.termDate(1, Shunbun);
    EXPECT_EQ(equinox.month, 3) << year;
    EXPECT_GE(equinox.day, 19) << year;
    EXPECT_LE(equinox.day, 22) << year;
  }
}

// Term placement on a made-up sequence of term longitudes, one per day from day 0.
class TermPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    sun = std::make_unique<SunTerms>(0.0);
    days.clear();
  }

  // Gives the Sun a longitude whose term longitude is `wanted` to the last bit.
  void feed(int b, double wanted) {
    const double reference = sun->equinoxReference();
    double longitude = wanted + reference;
    if (longitude >= 360) longitude -= 360;
    for (int i = 0; i < 64; ++i) {
      double got = longitude - reference;
      if (got < 0) got += 360;
      if (got == wanted) break;
      longitude = std::nextafter(longitude, got < wanted ? 1e9 : -1e9);
    }
    sun->sample(longitude);
    ASSERT_EQ(sun->termLongitude(), wanted);
    days[b] = sun->place(b);
  }

  std::map<int, int> placed() const {  // term -> day
    std::map<int, int> result;
    for (const auto& [b, day] : days)
      if (day.term) result[*day.term] = b;
    return result;
  }
  int firstDay(bool SunDay::*mark) const {
    for (const auto& [b, day] : days)
      if (day.*mark) return b;
    return 0;
  }

  std::unique_ptr<SunTerms> sun;
  std::map<int, SunDay> days;
};

TEST_F(TermPlacement, StrictOnePerDayNeverOnDayZeroAndRestartedAtTheWrap) {
  struct Case {
    const char* what;
    std::vector<double> longitudes;  // day 0, 1, 2, ...
    std::map<int, int> expected;     // term -> day
  };
  const std::vector<Case> cases{
      {"exactly 15 k is not yet past", {20, 30, 30.5}, {{2, 2}}},
      {"two terms passed in one day: one a day", {10, 44, 44.5, 45.5}, {{1, 1}, {2, 2}, {3, 3}}},
      {"day 0 past a term waits for the next", {15.5, 16, 30.1}, {{2, 2}}},
      {"wrap below 0.992", {344, 345.5, 359.5, 0.5, 1.5, 15.2}, {{23, 1}, {0, 3}, {1, 5}}},
      {"wrap landing exactly on 0", {344, 345.5, 359.5, 0, 0.9}, {{23, 1}, {0, 4}}},
      {"wrap landing at 0.992 or above", {344, 345.5, 359.99, 0.995, 15.5}, {{23, 1}, {0, 3}, {1, 4}}},
      {"fast wrap long after 啓蟄", {350, 359.5, 1.2, 2.2, 16}, {{0, 2}, {1, 4}}},
  };
  for (const Case& c : cases) {
    SetUp();
    for (std::size_t b = 0; b < c.longitudes.size(); ++b) feed(static_cast<int>(b), c.longitudes[b]);
    EXPECT_EQ(placed(), c.expected) << c.what;
  }
}

TEST_F(TermPlacement, SummerDaysOnlyStrictlyInside) {
  feed(0, 79);
  feed(1, 80);   // not above 80
  feed(2, 80.7);
  feed(3, 80.9);  // already found
  feed(4, 101);   // not below 101
  feed(5, 101.5);
  EXPECT_EQ(firstDay(&SunDay::nyubai), 2);
  EXPECT_EQ(firstDay(&SunDay::hangesho), 0);
}

}  // namespace
}  // namespace ventorel
