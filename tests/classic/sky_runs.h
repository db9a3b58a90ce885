// The skies of the three years of a run (no month numbering, no writers), for
// the tests of the Sun and the Moon.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

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

}  // namespace ventorel::testing
