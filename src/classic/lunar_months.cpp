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

const std::string Leap = "閏";
const std::string AnchorName = "11月";
constexpr int WinterSolstice = 18;
constexpr int MonthListSize = 43;  // entries 1..39 and the two looked at beyond the last

// The month list in the making: one text per new moon of the three years, from 1.
using MonthList = Table<std::string, MonthListSize>;

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

// Month numbers here are always whole (results of Mod or of a leading number).
std::string monthText(double number) { return std::to_string(static_cast<long long>(number)) + "月"; }

// The number a month text starts with ("11月" -> 11; "閏5月" and "" -> 0).
double monthValue(const std::string& text) { return numericValue(text); }

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
      if (k >= 0 && k % 2 == 0) {
        termCursor = k;
        if (k == WinterSolstice) solsticeSeen = true;
      }
      if (moonDays.isNewMoonDay(d)) {
        const int n = static_cast<int>(Mod(Int((termCursor + 2) / 2.0), 12)) + 1;
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

// The month list: one entry per new moon, in time order: "11月" for an anchor, "閏" for a
// month without a 中気, empty otherwise.
int listMonths(const SkyTrio& skies, const ProvisionalNames& names, MonthList& seq) {
  int monthCount = 0;
  for (const NewMoonAt moon : newMoonsInOrder(skies)) {
    std::string entry = names.anchor(moon.slot, moon.day) ? AnchorName : std::string();
    if (names.leap(moon.slot, moon.day)) entry = Leap;
    seq[++monthCount] = entry;
  }
  return monthCount;
}

// Numbers the month list from its anchor and leap marks.
void numberMonthList(MonthList& seq, int monthCount) {
  auto isLeapOrEmpty = [&](int m) { return seq[m] == Leap || seq[m].empty(); };

  // Two anchors twelve months apart enclose an ordinary year.
  for (int m = monthCount; m >= 12; --m) {
    if (monthValue(seq[m]) == 11 && m > 12 && monthValue(seq[m - 12]) == 11 && !isLeapOrEmpty(m) &&
        !isLeapOrEmpty(m - 12)) {
      for (int j = 11; j >= 1; --j) seq[m - j] = monthText(Mod(11 - (j + 1) + 12, 12) + 1);
    }
  }

  // Backward fill from the next entry, or across a leap month from the one after.
  for (int m = monthCount; m >= 1; --m) {
    if (seq[m].empty() && !isLeapOrEmpty(m + 1)) seq[m] = monthText(Mod(monthValue(seq[m + 1]) - 2 + 12, 12) + 1);
    if (seq[m].empty() && !isLeapOrEmpty(m + 2)) seq[m] = monthText(Mod(monthValue(seq[m + 2]) - 2 + 12, 12) + 1);
  }

  // Leap months repeat the month before them; the rest counts forward.
  for (int m = 1; m <= monthCount; ++m) {
    if (seq[m + 1] == Leap && !seq[m].empty()) seq[m + 1] = Leap + seq[m];
    if (seq[m + 1] == Leap && !seq[m + 2].empty()) seq[m + 1] = Leap + monthText(monthValue(seq[m + 2]) - 1);
    if (seq[m].empty()) seq[m] = monthText(Mod(monthValue(seq[m - 1]) + 12, 12) + 1);
  }

  // Of two leap marks one month apart, the first stays the leap month.
  for (int m = 1; m <= monthCount - 2; ++m) {
    if (startsWith(seq[m], Leap) && startsWith(seq[m + 2], Leap)) {
      seq[m + 1] = "12月";
      seq[m + 2] = "1月";
    }
  }

  // Names carry no blanks.
  for (int m = 1; m <= monthCount; ++m) seq[m] = trimBlanks(seq[m]);
}

// A month name of the list as a month: "閏" for a leap month, then a number and "月".
LunarMonth parseMonthName(const std::string& text) {
  LunarMonth month;
  std::string rest = text;
  if (startsWith(rest, Leap)) {
    month.leap = true;
    rest = rest.substr(Leap.size());
  }
  if (rest.empty()) return month;
  month.number = static_cast<int>(numericValue(rest));
  if (monthText(*month.number) != rest) throw std::logic_error("old-calendar month name \"" + text + "\" not understood");
  return month;
}

}  // namespace

namespace {

std::vector<std::string> monthsFromMarks(const SkyTrio& skies, const TrioMoonDays& moons) {
  const ProvisionalNames names = nameBackwards(skies, moons);
  MonthList seq{"lunarMonthSeq"};
  const int monthCount = listMonths(skies, names, seq);
  numberMonthList(seq, monthCount);
  std::vector<std::string> months;
  months.reserve(static_cast<std::size_t>(monthCount) + 2);
  for (int m = 1; m <= monthCount; ++m) months.push_back(seq[m]);
  return months;
}

}  // namespace

std::vector<std::string> monthsFromMarks(const SkyTrio& skies) { return monthsFromMarks(skies, moonDaysOf(skies)); }

LunarDays oldCalendar(const SkyTrio& skies, double enteredYear) {
  const TrioMoonDays moonDays = moonDaysOf(skies);
  std::vector<std::string> months = monthsFromMarks(skies, moonDays);
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
    months.push_back("12月");
    months.push_back("1月");
    if (moons.size() >= 1) namedOn(1, moons[0].day) = published;
    if (moons.size() >= 2) namedOn(1, moons[1].day) = published + 1;
  }

  LunarDays lunar;
  // The month (as named, and read) and day count carried from day to day, across the year ends.
  LunarMonth carriedMonth = parseMonthName(std::string());
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
      const bool hasName = named >= 0 && !months[static_cast<std::size_t>(named)].empty();
      day.monthStartsHere = hasName;
      if (hasName) carriedMonth = parseMonthName(months[static_cast<std::size_t>(named)]);
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
