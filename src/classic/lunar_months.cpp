#include <array>
#include <stdexcept>
#include <string>

#include "astro/day_count.h"
#include "classic/classic_months.h"
#include "classic/lunation_rule.h"
#include "calendar/new_moon_days.h"
#include "data/numbers.h"
#include "data/text.h"

namespace ventorel {

namespace {

constexpr int MonthListSize = 43;  // entries 1..39 and the two looked at beyond the last

// The month list in the making: one month per new moon of the three years, from 1.
// An entry is empty (no number, not leap), a bare leap mark (leap, no number), or
// a month; the numbers written into it may leave 1..12 (0, -1) where the steps
// below go wrong, and the lunisolar rule mends those spans afterwards.
using MonthList = Table<LunarMonth, MonthListSize>;

const LunarMonth Anchor{11, false};
const LunarMonth LeapMark{std::nullopt, true};

bool isEmpty(const LunarMonth& m) { return !m.number && !m.leap; }
LunarMonth month(double number) { return {static_cast<int>(number), false}; }
LunarMonth leapMonth(std::optional<int> number) { return {number, true}; }

// A new-moon day of the three years.
struct NewMoonAt {
  int slot;
  int day;
};

// Slots 0, 1, 2 and in each its new moons in day order: the order of the month list.
std::vector<NewMoonAt> newMoonsInOrder(const SkyTrio& skies) {
  std::vector<NewMoonAt> moons;
  for (int slot = 0; slot <= 2; ++slot)
    for (const NewMoon& moon : skies[static_cast<std::size_t>(slot)].newMoons) moons.push_back({slot, moon.day});
  return moons;
}

// The number an entry counts with: a leap month and an empty entry count as 0, as
// the numbering has always read them ("閏5月" is read as no number).
double monthValue(const LunarMonth& m) { return m.leap ? 0 : m.number.value_or(0); }

// The marks each new moon gets before the list is numbered, by (slot, day): 1
// where the month is a leap month, 1 where the 冬至 month opens (an anchor).
struct ProvisionalNames {
  Table2D<int, 3, DaysPerSlot> leap{"dayLunarMonth"};
  Table2D<int, 3, DaysPerSlot> anchor{"dayLunarNote"};
};

// The new moons of the three years by day.
using TrioMoonDays = std::array<NewMoonDays, 3>;
TrioMoonDays moonDaysOf(const SkyTrio& skies) {
  return {NewMoonDays(skies[0]), NewMoonDays(skies[1]), NewMoonDays(skies[2])};
}

// Walking backwards through the three years, every new-moon day takes a
// provisional month number from the first 中気 on or after it; a month without a
// 中気 inherits its successor's number and is marked leap (the month before a
// leap month is never marked leap itself). The new moon that opens the 冬至 month
// is noted as an anchor.
ProvisionalNames nameBackwards(const SkyTrio& skies, const TrioMoonDays& moons) {
  ProvisionalNames names;
  int termCursor = skies[2].nextTerm;
  int previousNumber = 0;  // none yet
  bool previousLeap = false;
  bool solsticeSeen = false;
  for (int slot = 2; slot >= 0; --slot) {
    const YearSky& sky = skies[static_cast<std::size_t>(slot)];
    const NewMoonDays& moonDays = moons[static_cast<std::size_t>(slot)];
    for (int d = sky.lastDay; d >= 1; --d) {
      const int k = sky.termOnDay[d];
      if (k >= 0 && isPrincipalTerm(k)) {
        termCursor = k;
        if (k == termIndex(SolarTerm::Toji)) solsticeSeen = true;
      }
      if (moonDays.isNewMoonDay(d)) {
        const int n = static_cast<int>(modRoundHalfEven(floorInt((termCursor + 2) / 2.0), 12)) + 1;
        const bool leap = !previousLeap && n == previousNumber;
        previousNumber = n;
        previousLeap = leap;
        names.leap(slot, d) = leap ? 1 : 0;
        if (solsticeSeen) {
          names.anchor(slot, d) = 1;
          solsticeSeen = false;
        }
      }
    }
  }
  return names;
}

// The month list: one entry per new moon, in time order: 11月 for an anchor, a leap
// mark for a month without a 中気, empty otherwise.
int listMonths(const SkyTrio& skies, const ProvisionalNames& names, MonthList& seq) {
  int monthCount = 0;
  for (const NewMoonAt moon : newMoonsInOrder(skies)) {
    LunarMonth entry = names.anchor(moon.slot, moon.day) ? Anchor : LunarMonth{};
    if (names.leap(moon.slot, moon.day)) entry = LeapMark;
    seq[++monthCount] = entry;
  }
  return monthCount;
}

// Numbers the month list from its anchor and leap marks.
void numberMonthList(MonthList& seq, int monthCount) {
  auto isLeapOrEmpty = [&](int m) { return !seq[m].number; };

  // Two anchors twelve months apart enclose an ordinary year.
  for (int m = monthCount; m >= 12; --m) {
    if (monthValue(seq[m]) == 11 && m > 12 && monthValue(seq[m - 12]) == 11 && !isLeapOrEmpty(m) &&
        !isLeapOrEmpty(m - 12)) {
      for (int j = 11; j >= 1; --j) seq[m - j] = month(modRoundHalfEven(11 - (j + 1) + 12, 12) + 1);
    }
  }

  // Backward fill from the next entry, or across a leap month from the one after.
  for (int m = monthCount; m >= 1; --m) {
    if (isEmpty(seq[m]) && !isLeapOrEmpty(m + 1)) seq[m] = month(modRoundHalfEven(monthValue(seq[m + 1]) - 2 + 12, 12) + 1);
    if (isEmpty(seq[m]) && !isLeapOrEmpty(m + 2)) seq[m] = month(modRoundHalfEven(monthValue(seq[m + 2]) - 2 + 12, 12) + 1);
  }

  // Leap months repeat the month before them; the rest counts forward.
  for (int m = 1; m <= monthCount; ++m) {
    // (Two leap marks never stand side by side, so the month before a mark is no leap month.)
    if (seq[m + 1] == LeapMark && !isEmpty(seq[m])) seq[m + 1] = leapMonth(seq[m].number);
    if (seq[m + 1] == LeapMark && !isEmpty(seq[m + 2])) seq[m + 1] = leapMonth(static_cast<int>(monthValue(seq[m + 2]) - 1));
    if (isEmpty(seq[m])) seq[m] = month(modRoundHalfEven(monthValue(seq[m - 1]) + 12, 12) + 1);
  }

  // Of two leap marks one month apart, the first stays the leap month.
  for (int m = 1; m <= monthCount - 2; ++m) {
    if (seq[m].leap && seq[m + 2].leap) {
      seq[m + 1] = month(12);
      seq[m + 2] = month(1);
    }
  }
}

std::vector<LunarMonth> monthsFromMarks(const SkyTrio& skies, const TrioMoonDays& moons) {
  const ProvisionalNames names = nameBackwards(skies, moons);
  MonthList seq{"lunarMonthSeq"};
  const int monthCount = listMonths(skies, names, seq);
  numberMonthList(seq, monthCount);
  std::vector<LunarMonth> months;
  months.reserve(static_cast<std::size_t>(monthCount) + 2);
  for (int m = 1; m <= monthCount; ++m) months.push_back(seq[m]);
  return months;
}

}  // namespace

std::vector<LunarMonth> monthsFromMarks(const SkyTrio& skies) { return monthsFromMarks(skies, moonDaysOf(skies)); }

LunarDays oldCalendar(const SkyTrio& skies, double enteredYear) {
  const TrioMoonDays moonDays = moonDaysOf(skies);
  std::vector<LunarMonth> months = monthsFromMarks(skies, moonDays);
  mendMonthsAgainstRule(skies, months);

  // The final names on the new-moon days, as indexes into `months`; -1 for none.
  Table2D<int, 3, DaysPerSlot> namedOn{"dayLunarMonth"};
  namedOn.fill(-1);
  int m = 0;
  for (const NewMoonAt moon : newMoonsInOrder(skies)) {
    months.at(static_cast<std::size_t>(m));  // a list shorter than the new moons ends the run
    namedOn(moon.slot, moon.day) = m++;
  }

  // The winter of 1984/85 has two months without a 中気; its first two
  // months of 1985 are set to the calendar as published.
  if (enteredYear == 1985) {
    const std::vector<NewMoon>& moons = skies[1].newMoons;
    const int published = static_cast<int>(months.size());
    months.push_back(month(12));
    months.push_back(month(1));
    if (moons.size() >= 1) namedOn(1, moons[0].day) = published;
    if (moons.size() >= 2) namedOn(1, moons[1].day) = published + 1;
  }

  LunarDays lunar;
  // The month and day count carried from day to day, across the year ends.
  LunarMonth carriedMonth;
  int carriedDay = 0;
  int previousAge = 0;
  for (int slot = 0; slot <= 2; ++slot) {
    const YearSky& sky = skies[static_cast<std::size_t>(slot)];
    LunarYear& year = lunar.years[static_cast<std::size_t>(slot)];
    year.year = sky.year;
    year.lastDay = sky.lastDay;
    const NewMoonDays& moons = moonDays[static_cast<std::size_t>(slot)];
    for (int d = 1; d <= sky.lastDay; ++d) {
      int age = moons.moonAgeOn(d);
      // Days before a year's first new moon continue the previous year's month.
      if (slot > 0 && age == 0) age = d == 1 ? skies[static_cast<std::size_t>(slot - 1)].yearEndMoonAge + 1 : previousAge + 1;
      LunarDay& day = year.days[d];
      day.moonAge = age;
      const int named = namedOn(slot, d);
      const bool hasName = named >= 0 && !isEmpty(months[static_cast<std::size_t>(named)]);
      day.monthStartsHere = hasName;
      if (hasName) carriedMonth = months[static_cast<std::size_t>(named)];
      day.month = carriedMonth;
      if (age != 0) {
        carriedDay = age;
      } else {
        age = ++carriedDay;
      }
      day.day = age;
      previousAge = age;
    }
  }
  return lunar;
}

}  // namespace ventorel
