// The chosen year, annotated day by day: typed values for everything the
// calendar files show. Texts, links and layout are the renderers' business.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/eclipses.h"
#include "astro/rise_set.h"
#include "astro/sexagenary.h"
#include "astro/year_sky.h"
#include "calendar/calendar_basis.h"
#include "calendar/holiday_law_days.h"
#include "calendar/japanese_date.h"
#include "calendar/lunar_days.h"
#include "calendar/rekichu.h"
#include "data/places.h"

namespace ventorel {

// A Julian calendar date.
struct JulianDate {
  double year;
  int month;
  int day;
};

// The miscellaneous calendar days (雑節), in the order a day lists them.
enum class Zassetsu {
  Setsubun,        // 節分
  HiganStart,      // 彼岸の入り
  HiganWeek,       // 彼岸: the 中日 (true basis); 彼岸会, the five middle days (classic)
  HiganEnd,        // 彼岸明け
  SpringShanichi,  // 社日（春社）
  AutumnShanichi,  // 社日（秋社）
  Hachijuhachiya,  // 八十八夜
  Nyubai,          // 入梅
  Hangesho,        // 半夏生
  DoyoStart,       // 土用の入り (the Sun at 27, 117, 207 or 297 degrees; true basis)
  DoyoUshi,        // 土用丑
  Hassaku,         // 八朔（旧暦）
  Nihyakutoka,     // 二百十日
  Nihyakuhatsuka,  // 二百二十日
};

// The festivals (節句 and related days); at most one falls on a day.
enum class Festival { None, Nanakusa, Momo, Tango, Tanabata, Obon, LateObon, LateTanabata, Kiku };

// A day's national holiday: its name and its kind (HolidayKind::Law for a holiday
// of the holiday file or an equinox day, Substitute for 振替休日, Between for 国民の休日).
struct DayHoliday {
  std::string name;  // as the holiday file writes it, or the fixed name of the kind
  HolidayKind kind = HolidayKind::Law;
  bool prewar = false;  // a 祝祭日 of the decrees of 1873..1948 rather than a 祝日 of the holiday law
};

// The selected days (選日) of a day.
struct Senjitsu {
  bool tensha = false;         // 天赦日
  bool ichiryuManbai = false;  // 一粒万倍日
  bool fujoju = false;         // 不成就日
  bool sanrinbo = false;       // 三隣亡
};

struct CalendarDay {
  int dayOfYear = 0;  // 1 = 1 January
  int month = 0;      // proleptic Gregorian month and day
  int day = 0;
  double epochDays = 0;  // day number, 1982-08-19 = 0
  int weekday = 0;       // 0 = Sunday
  bool gregorian = false;  // shown in the Gregorian calendar (from 1582-10-15 on)
  JulianDate julian{};

  std::optional<int> term;  // solar term k (0 = 春分)
  std::optional<JstMinute> termInstant;
  std::vector<Zassetsu> zassetsu;
  std::optional<JstMinute> doyoStartInstant;  // the instant of 土用の入り on its day, where the sky gives it
  std::optional<DayHoliday> holiday;
  Festival festival = Festival::None;
  int rokuyo = 1;  // 1..6, 1 = 先勝
  Sexagenary sexagenary{};
  Senjitsu senjitsu;

  LunarMonth lunarMonth;
  int lunarDay = 0;
  int moonAge = 0;  // the old-calendar reckoning: 1 on the new-moon day, one more each day
  std::optional<double> noonMoonAge;  // days since the new moon at 12:00 JST, to 0.1; where the sky has instants
  bool newMoon = false;
  std::optional<JstMinute> newMoonInstant;
  // The principal phase of the Moon on the day and its instant, to the second
  // (true basis within the precise sky only).
  std::optional<MoonPhaseDay> moonPhase;
  // The Sun's and the Moon's rise, transit and set at the year's place (true
  // basis within the precise sky only).
  std::optional<RiseTransitSet> sun, moon;
  std::optional<Rekichu> rekichu;  // 九星, 十二直, 二十八宿, 納音, 節月干支, 七十二候, 選日 (true basis only)

  // The Japanese date (true basis): one, or the northern and southern court's.
  std::vector<JapaneseDate> japaneseDates;
};

enum class Court { Main, Second };

// An era in force in a year, from one court's era file.
struct EraRecord {
  Court court = Court::Main;
  std::string era;
  double yearOfEra = 0;  // 1 in the era's first year
  std::string period;
  std::string emperor;
};

// How the few names the classic files have always written their own way are spelt:
// as today (彼岸 for the 中日, 三りんぼう) or as those files (彼岸会 for the five
// middle days, 三りんぽう). The basis's sources choose it.
enum class NameSpelling { Current, Classic };

struct CalendarYear {
  double enteredYear = 0;  // user numbering (no year 0)
  double year = 0;         // astronomical numbering
  Sexagenary yearSign{};
  std::vector<EraRecord> eras;  // the main court's, then the second court's (1331..1392)
  CalendarBasis basis = CalendarBasis::Classic;
  NameSpelling spelling = NameSpelling::Classic;
  std::string historicalCalendar;  // the name of the historical calendar in use; empty for none
  bool japaneseDates = false;      // the days carry their Japanese dates (true basis)
  bool almanacSky = false;         // the documents carry the place's sun, moon and eclipses (true basis)
  bool skyFallback = false;        // true basis, but the year lies beyond the precise sky: classic model used
  std::string skySource;           // a short note on where the terms and new moons come from
  std::vector<CalendarDay> days;   // 1 January .. 31 December
  // The place of the days' rises and sets (true basis within the precise sky only).
  std::optional<Place> place;
  // The year's eclipses, as seen from the place (same condition).
  std::vector<Eclipse> eclipses;
  int yearKyusei = 0;              // 年家九星 1..9 from the year's 立春 (true basis only; 0 otherwise)
};

}  // namespace ventorel
