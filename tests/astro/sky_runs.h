// Runs of the three sky passes alone (no month numbering, no writers), for the
// tests of the Sun, the Moon and the year headers.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "astro/day_count.h"
#include "astro/day_walk.h"
#include "platform/recording.h"

namespace ventorel::testing {

struct MonthAndDay {
  int month;
  int day;
  bool operator==(const MonthAndDay&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MonthAndDay& d) { return out << d.month << "/" << d.day; }

struct SkyRun {
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  RecordingSurface surface;

  // The passes for a year as typed (user numbering), with the new moons computed
  // or, with fromTable, read from state->newMoonTable starting at `firstRow`.
  void run(double enteredYear, bool fromTable = false, std::optional<int> firstRow = std::nullopt) {
    RunState& s = *state;
    s.enteredYear = enteredYear;
    s.year = enteredYear < 0 ? enteredYear + 1 : enteredYear;
    s.baseYear = s.year;
    s.useNewMoonTable = fromTable ? 1 : 0;
    s.newMoonRow = firstRow;
    s.nyubaiDay = 0;
    s.hangeshoDay = 0;
    s.termDay.fill(0);
    runPasses(s, surface);
  }

  // The astronomical year of a slot of the last run.
  double yearOf(int slot) const { return state->baseYear + slot - 1; }

  MonthAndDay dateOf(int slot, int b) const {
    MonthStarts starts{"monthStart"};
    fillMonthStarts(starts, leapDay(yearOf(slot)));
    const MonthDay md = monthDayOf(b, starts);
    return {md.month, md.day};
  }

  MonthAndDay termDate(int slot, int k) const { return dateOf(slot, state->termDay(slot, k)); }

  // The new moons of a slot as dates, in order.
  std::vector<MonthAndDay> newMoonDates(int slot) const {
    std::vector<MonthAndDay> dates;
    for (int n = 1; n <= 14 && state->newMoonDay(slot, n) != 0; ++n) dates.push_back(dateOf(slot, state->newMoonDay(slot, n)));
    return dates;
  }

  int lastDay(int slot) const { return 365 + leapDay(yearOf(slot)); }
};

}  // namespace ventorel::testing
