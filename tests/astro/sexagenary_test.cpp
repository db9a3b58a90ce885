#include "astro/sexagenary.h"

#include <gtest/gtest.h>

#include <utility>

namespace ventorel {
namespace {

TEST(Sexagenary, DaysFromTheDayNumber) {
  struct Case { double epochDays; int stem; int branch; };
  for (const Case c : {Case{0, 1, 11}, {15110, 1, 1}, {15111, 2, 2}, {-1, 10, 10}, {-60, 1, 11}, {59, 10, 10},
                       {15170, 1, 1}})
    EXPECT_EQ((std::pair{daySexagenary(c.epochDays).stem, daySexagenary(c.epochDays).branch}),
              (std::pair{c.stem, c.branch}))
        << c.epochDays;
}

TEST(Sexagenary, YearsFromTheAstronomicalYear) {
  struct Case { double year; int stem; int branch; };
  for (const Case c : {Case{2024, 1, 5}, {1984, 1, 1}, {-659, 8, 10}, {0, 7, 9}, {1, 8, 10}, {2023, 10, 4}}) {
    const Sexagenary s = yearSexagenary(c.year);
    EXPECT_EQ(s.stem, c.stem) << c.year;
    EXPECT_EQ(s.branch, c.branch) << c.year;
  }
}

}  // namespace
}  // namespace ventorel
