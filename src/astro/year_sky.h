// What the sky gives the calendar for one year: the days of the 24 solar terms
// and of the new moons, the moon age at the year's end, and the days on which the
// Sun reaches 80 and 100 degrees (入梅 and 半夏生). A sky source that knows the
// instants to the minute gives them too; the classic model and the shipped table
// know only days.
#pragma once

#include <compare>
#include <optional>
#include <vector>

#include "data/checked_table.h"
#include "data/solar_term.h"

namespace ventorel {

// Day slots of a year: day 0 (the last day of the year before) .. 366.
inline constexpr int DaysPerSlot = 367;

// An instant in Japan Standard Time, to the second where the source knows it
// (the precise sky), else to the minute with the second 0. The date is the day
// on which the exact instant falls.
struct JstMinute {
  double year = 0;  // astronomical numbering
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;  // 0..59, cut, not rounded
  auto operator<=>(const JstMinute&) const = default;
};

// The instant as the calendar prints it, as the almanac rounds its times: to the
// nearest minute, from 30 seconds up, with the second 0. It stays on the day of
// the exact instant: from 23:59:30 on it is 23:59, never 00:00 of the next day.
JstMinute nearestMinute(const JstMinute& instant);

struct NewMoon {
  int day = 0;  // day of the year, 1 = 1 January
  std::optional<JstMinute> instant;
};

// A principal phase of the Moon on its day (the day of the exact instant).
struct MoonPhaseDay {
  int quarter = 0;  // 0 朔, 1 上弦, 2 望, 3 下弦
  int day = 0;      // day of the year, 1 = 1 January
  JstMinute instant;
};

// The start of one of the 72 候: the Sun's apparent longitude reaches 315 + 5 (index - 1)
// degrees on this day.
struct SkyKou {
  int day = 0;    // day of the year, 1 = 1 January
  int index = 1;  // 1 = 東風解凍 (立春) .. 72 = 鶏始乳
  JstMinute instant;
};

struct YearSky {
  YearSky() { termOnDay.fill(-1); }

  double year = 0;   // astronomical numbering (0 is 1 BC)
  int lastDay = 365;  // 365, or 366 in a leap year

  Table<int, 24> termDay{"termDay"};       // day of term k (0 = 春分, 18 = 冬至); 0 when not placed
  Table<int, DaysPerSlot> termOnDay{"termOnDay"};  // the term placed on a day, -1 for none
  Table<std::optional<JstMinute>, 24> termInstant{"termInstant"};

  std::vector<NewMoon> newMoons;  // in day order
  int yearEndMoonAge = 0;         // the moon age on the last day; 0 when the year has no new moon

  std::vector<MoonPhaseDay> phases;  // in time order; empty for a source without them

  int nextTerm = 0;     // the term the walk was waiting for when the year ended
  int nyubaiDay = 0;    // first day with the Sun strictly between 80 and 81 degrees; 0 for none
  int hangeshoDay = 0;  // ... between 100 and 101 degrees
  // The first days of the four 土用 (the Sun at 27, 117, 207 and 297 degrees:
  // spring, summer, autumn, and winter in January); 0 when the source does not
  // place them (the classic model reckons 土用 from 春分 instead).
  Table<int, 4> doyoStartDay{"doyoStartDay"};
  Table<std::optional<JstMinute>, 4> doyoStartInstant{"doyoStartInstant"};  // their instants, where known
  // The 候 that start in the year, in day order; empty when the source does not
  // place them (the classic model).
  std::vector<SkyKou> kous;

  // Places term k on day b.
  // The day of a term; 0 when not placed.
  int dayOf(SolarTerm term) const { return termDay[termIndex(term)]; }
  const std::optional<JstMinute>& instantOf(SolarTerm term) const { return termInstant[termIndex(term)]; }

  void placeTerm(int k, int b) {
    termDay[k] = b;
    termOnDay[b] = k;
  }
  // The moon age of day b: 1 on a new-moon day, one more each day after; 0 before
  // the year's first new moon.
  int moonAgeOn(int b) const;
  bool isNewMoonDay(int b) const;
};

// A source of the sky, year by year.
class SkySource {
 public:
  virtual ~SkySource() = default;
  // The sky of a year in astronomical numbering.
  virtual YearSky year(double astronomicalYear) const = 0;
};

}  // namespace ventorel
