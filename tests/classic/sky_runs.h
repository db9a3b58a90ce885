// The skies of the three years of a run (no month numbering, no writers), for
// the tests of the Sun and the Moon.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "classic/classic_sky.h"
#include "astro/day_count.h"
#include "calendar/lunar_days.h"
#include "data/reference_data.h"

namespace ventorel::testing {

struct MonthAndDay {
  int month;
  int day;
  bool operator==(const MonthAndDay&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MonthAndDay& d) { return out << d.month << "/" << d.day; }

struct SkyRun {
  std::unique_ptr<ReferenceData> data = std::make_unique<ReferenceData>();
  SkyTrio skies;

  // The skies of a year as typed (user numbering) and the years either side, with
  // the new moons computed or, with fromTable, read from data->newMoonTable.
  void run(double enteredYear, bool fromTable = false) {
    const double year = enteredYear < 0 ? enteredYear + 1 : enteredYear;
    const KeplerSky kepler(data->orbit);
    const TableNewMoonSky table(data->orbit, data->newMoonTable);
    const SkySource& source = fromTable ? static_cast<const SkySource&>(table) : kepler;
    for (int slot = 0; slot < 3; ++slot) skies[static_cast<std::size_t>(slot)] = source.year(year + slot - 1);
  }

  const YearSky& sky(int slot) const { return skies[static_cast<std::size_t>(slot)]; }

  // The astronomical year of a slot of the last run.
  double yearOf(int slot) const { return sky(slot).year; }

  MonthAndDay dateOf(int slot, int b) const {
    MonthStarts starts{"monthStart"};
    fillMonthStarts(starts, leapDay(yearOf(slot)));
    const MonthDay md = monthDayOf(b, starts);
    return {md.month, md.day};
  }

  MonthAndDay termDate(int slot, int k) const { return dateOf(slot, sky(slot).termDay[k]); }

  // The new moons of a slot as dates, in order.
  std::vector<MonthAndDay> newMoonDates(int slot) const {
    std::vector<MonthAndDay> dates;
    for (const NewMoon& moon : sky(slot).newMoons) dates.push_back(dateOf(slot, moon.day));
    return dates;
  }

  int lastDay(int slot) const { return sky(slot).lastDay; }
};

// The 24 terms of a slot follow each other on increasing days in the order 小寒 .. 冬至,
// each named on its own day.
inline void expectTwentyFourTermsInOrder(const SkyRun& run, int slot) {
  const YearSky& s = run.sky(slot);
  int previous = 0;
  for (int i = 0; i < 24; ++i) {
    const int k = (19 + i) % 24;
    const int b = s.termDay[k];
    ASSERT_GT(b, previous) << "year " << run.yearOf(slot) << " term " << k;
    ASSERT_EQ(s.termOnDay[b], k) << "year " << run.yearOf(slot);
    previous = b;
  }
  ASSERT_LE(previous, run.lastDay(slot)) << "year " << run.yearOf(slot);
}

// The new moons of a slot lie on days 1..last in increasing order, each a moon age of
// 1; the age at the year's end counts from the last.
inline void expectConsistentMoonAges(const SkyRun& run, int slot) {
  const YearSky& sky = run.sky(slot);
  int previous = 0;
  for (const NewMoon& moon : sky.newMoons) {
    ASSERT_GT(moon.day, previous) << "year " << run.yearOf(slot);
    ASSERT_EQ(sky.moonAgeOn(moon.day), 1) << "year " << run.yearOf(slot);
    previous = moon.day;
  }
  ASSERT_LE(previous, sky.lastDay);
  ASSERT_EQ(sky.yearEndMoonAge, previous == 0 ? 0 : sky.lastDay - previous + 1) << "year " << run.yearOf(slot);
}

}  // namespace ventorel::testing
