#include "calendar/annotate.h"

#include <array>
#include <cmath>

#include "astro/day_count.h"
#include "calendar/eras.h"
#include "calendar/moon_age.h"
#include "calendar/new_moon_days.h"
#include "calendar/rekichu.h"
#include "calendar/selected_days.h"
#include "data/historical_months.h"
#include "data/numbers.h"

namespace ventorel {

namespace {

constexpr double DaysPerJulianYear = 365.25;
constexpr int Tsuchinoe = 5;  // stem number of a 戊 day
constexpr int Mizunoto = 10;  // stem number of a 癸 day
constexpr int Ushi = 2;       // branch number of a 丑 day

constexpr int SummerDoyo = 1;  // index of the summer 土用 in YearSky::doyoStartDay

class ZassetsuWalk {
 public:
  ZassetsuWalk(const YearSky& sky, const LunarYear& lunar, MonthStarts& monthStart, bool almanacRules)
      : sky_(sky),
        lunar_(lunar),
        monthStart_(monthStart),
        springEquinox_(sky.dayOf(SolarTerm::Shunbun)),
        autumnEquinox_(sky.dayOf(SolarTerm::Shubun)),
        springStart_(sky.dayOf(SolarTerm::Risshun)),
        autumnStart_(sky.dayOf(SolarTerm::Risshu)),
        reckonedDoyoStart_(springEquinox_ + TropicalYear * 117 / 360),
        nyubaiDay_(sky.nyubaiDay),
        hangeshoDay_(sky.hangeshoDay),
        almanacRules_(almanacRules),
        marks_(static_cast<std::size_t>(sky.lastDay) + 1) {}

  // The checks for day d, in the order their marks follow each other. The day
  // number is needed on few days: it is made only for them.
  void markDay(int d) {
    auto dayNumber = [&] {
      const MonthDay date = monthDayOf(d, monthStart_);
      return epochDays(sky_.year, date.month, date.day, monthStart_);
    };
    const int S = springStart_;
    if (d == S - 1) append(d, Zassetsu::Setsubun);
    markHigan(d, springEquinox_);
    if (d == springEquinox_) markShanichi(d, dayNumber(), SolarTerm::Shunbun, Zassetsu::SpringShanichi);
    if (d == S + 87) append(d, Zassetsu::Hachijuhachiya);
    if (d == nyubaiDay_) {
      append(d, Zassetsu::Nyubai);
      nyubaiDay_ = 0;
    }
    if (d == hangeshoDay_) {
      append(d, Zassetsu::Hangesho);
      hangeshoDay_ = 0;
    }
    for (const int start : {sky_.doyoStartDay[0], sky_.doyoStartDay[1], sky_.doyoStartDay[2], sky_.doyoStartDay[3]})
      if (d == start && d >= 1) append(d, Zassetsu::DoyoStart);
    if (inSummerDoyo(d) && daySexagenary(dayNumber()).branch == Ushi) append(d, Zassetsu::DoyoUshi);
    if (d >= 1) {
      const LunarDay& lunar = lunar_.days[d];
      if (lunar.day == 1 && lunar.month == LunarMonth{8, false}) append(d, Zassetsu::Hassaku);
    }
    if (d == S + 209) append(d, Zassetsu::Nihyakutoka);
    if (d == S + 219) append(d, Zassetsu::Nihyakuhatsuka);
    markHigan(d, autumnEquinox_);
    if (d == autumnEquinox_) markShanichi(d, dayNumber(), SolarTerm::Shubun, Zassetsu::AutumnShanichi);
  }

  std::vector<std::vector<Zassetsu>> take() { return std::move(marks_); }

 private:
  // The 彼岸 week: three days either side of the equinox. The almanacs mark its
  // first day, its 中日 (the equinox) and its last day; the classic files mark
  // the five middle days.
  void markHigan(int d, int equinox) {
    if (d < equinox - 3 || d > equinox + 3) return;
    if (d == equinox - 3) append(d, Zassetsu::HiganStart);
    const int middle = almanacRules_ ? 0 : 2;
    for (int offset = -middle; offset <= middle; ++offset)
      if (d == equinox + offset) append(d, Zassetsu::HiganWeek);
    if (d == equinox + 3) append(d, Zassetsu::HiganEnd);
  }

  // The summer 土用: from the day the Sun reaches 117 degrees to the day before
  // 立秋. A sky without that day (the classic model) reckons the start as 117/360
  // of a year after 春分 and counts 立秋 itself in, as its files always have.
  bool inSummerDoyo(int d) const {
    const int start = sky_.doyoStartDay[SummerDoyo];
    if (start == 0) return d >= reckonedDoyoStart_ && d <= autumnStart_;
    return d >= start && d < autumnStart_;
  }

  // 社日: the 戊 day nearest the equinox day d. Of two equally near (a 癸
  // equinox) the earlier one; by the almanac's rule the earlier one only for an
  // equinox before noon, the later one for an equinox from noon on.
  void markShanichi(int d, double dayNumber, SolarTerm equinox, Zassetsu mark) {
    const int stem = daySexagenary(dayNumber).stem;
    int target = d - (stem - Tsuchinoe);
    const std::optional<JstMinute>& instant = sky_.instantOf(equinox);
    if (almanacRules_ && stem == Mizunoto && instant && instant->hour >= 12) target += 10;
    // An equinox so close to the year's edge that the 戊 day falls outside the
    // year has no day of this year to mark.
    if (target < 0 || target > sky_.lastDay) return;
    append(target, mark);
  }

  void append(int d, Zassetsu mark) { marks_.at(static_cast<std::size_t>(d)).push_back(mark); }

  const YearSky& sky_;
  const LunarYear& lunar_;
  MonthStarts& monthStart_;
  const int springEquinox_;
  const int autumnEquinox_;
  const int springStart_;
  const int autumnStart_;
  const double reckonedDoyoStart_;  // 117/360 of a year after 春分
  int nyubaiDay_;
  int hangeshoDay_;
  const bool almanacRules_;
  std::vector<std::vector<Zassetsu>> marks_;
};

// The dates, weekday and sign of one day after another of a year. Each is
// computed in full on the first day and where a step could leave its month or its
// cycle; in between it moves on by one day, which gives what the full computation
// gives (the day numbers are whole, so the cycles advance by one each day).
class DayWalk {
 public:
  DayWalk(double daysBefore, const MonthStarts& monthStart) : daysBefore_(daysBefore), monthStart_(monthStart) {}

  MonthDay date{0, 0};
  JulianDate julian{};
  int weekday = 0;
  Sexagenary sexagenary{};

  // The Gregorian and Julian dates of day d, the day after the last one stepped to.
  void step(int d) {
    if (d > 1 && date.day < monthLength_) {
      ++date.day;
    } else {
      date = monthDayOf(d, monthStart_);
      monthLength_ = monthStart_[date.month + 1] - monthStart_[date.month];
    }
    if (d > 1 && julian.day < julianMonthLength_) {
      ++julian.day;
    } else {
      julian = julianDateOf(daysBefore_, d);
      julianMonthLength_ = julianMonthLength(julian.year, julian.month);
    }
  }

  // The weekday and the sign of the day numbered `dayNumber`.
  void cycles(double dayNumber) {
    // A whole day number plus one is whole again.
    if (whole_ && dayNumber == previous_ + 1) {
      weekday = (weekday + 1) % 7;
      sexagenary = {sexagenary.stem % 10 + 1, sexagenary.branch % 12 + 1};
    } else {
      weekday = weekdayIndex(dayNumber);
      sexagenary = daySexagenary(dayNumber);
      whole_ = dayNumber == std::floor(dayNumber);
    }
    previous_ = dayNumber;
  }

 private:
  const double daysBefore_;
  const MonthStarts& monthStart_;
  int monthLength_ = 0;
  int julianMonthLength_ = 0;
  bool whole_ = false;  // the day number stepped to last is whole (none yet: false)
  double previous_ = 0;
};

// The month starts of a common and of a leap Julian year, made once.
const std::array<MonthStarts, 2>& julianMonthStarts() {
  static const std::array<MonthStarts, 2> Starts = [] {
    std::array<MonthStarts, 2> starts{MonthStarts{"julianMonthStart"}, MonthStarts{"julianMonthStart"}};
    for (int l = 0; l <= 1; ++l) fillMonthStarts(starts[static_cast<std::size_t>(l)], l);
    return starts;
  }();
  return Starts;
}

int julianLeap(double year) { return isLeapYear(static_cast<std::int64_t>(year), WesternCalendar::Julian) ? 1 : 0; }

}  // namespace

int julianMonthLength(double year, int month) {
  return daysInMonth(static_cast<std::int64_t>(year), month, WesternCalendar::Julian);
}

JulianDate julianDateOf(double daysBeforeYear, int d) {
  // Day R of the Julian era, 1 January of Julian year 1 being day 1.
  const double r = daysBeforeYear + d + 2;
  const double year = floorInt(r / DaysPerJulianYear) + 1;
  const int leap = julianLeap(year);
  const double dayOfYear = r - floorInt((year - 1) * DaysPerJulianYear);
  const MonthDay md = monthDayOf(static_cast<int>(dayOfYear), julianMonthStarts().at(static_cast<std::size_t>(leap)));
  // Deliberate and kept: on 31 December of a Julian leap year the year estimate
  // is one too high and the day of that year comes out 0; the date is mended here
  // rather than by a different estimate, which would move other days.
  if (md.month == 0 && md.day == 0) return {year - 1, 12, 31};
  return {year, md.month, md.day};
}

bool isGregorianDay(double year, int month, int day) {
  return year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day > 14)));
}

std::vector<std::vector<Zassetsu>> zassetsuOf(const YearSky& sky, const LunarYear& lunar, bool almanacRules) {
  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(sky.year));
  ZassetsuWalk walk(sky, lunar, monthStart, almanacRules);
  for (int d = 0; d <= sky.lastDay; ++d) walk.markDay(d);
  return walk.take();
}

CalendarYear annotate(const ReferenceData& data, double enteredYear, const SkyTrio& skies, const LunarDays& lunar,
                      YearHolidays holidays, const AnnotationChoices& choices) {
  const YearSky& sky = skies[1];
  const LunarYear& lunarYear = lunar.years[1];
  CalendarYear year;
  year.enteredYear = enteredYear;
  year.year = sky.year;
  year.yearSign = yearSexagenary(sky.year);
  year.eras = eraRecordsOf(sky.year, data);
  if (choices.historicalCalendar && sky.year == std::floor(sky.year) && sky.year >= HistoricalFirstYear && sky.year <= HistoricalLastYear)
    year.historicalCalendar = historicalCalendarName(static_cast<int>(sky.year));

  MonthStarts monthStart{"monthStart"};
  fillMonthStarts(monthStart, leapDay(sky.year));
  const double daysBefore = daysBeforeYear(sky.year);
  holidays.resize(static_cast<std::size_t>(sky.lastDay) + 1);
  std::vector<std::vector<Zassetsu>> zassetsu = zassetsuOf(sky, lunarYear, choices.almanacRules);
  EarlyTerms earlyTerms;
  for (int k = 0; k <= 20; ++k) earlyTerms[k] = k <= sky.lastDay ? sky.termOnDay[k] : -1;

  const NewMoonDays moons(sky);
  const std::vector<std::optional<double>> noonAges = noonMoonAges(skies);
  SolarMonth solarMonth;
  std::optional<RekichuWalk> rekichu;
  if (choices.rekichu) {
    rekichu.emplace(skies);
    year.yearKyusei = rekichu->yearKyusei();
  }
  DayWalk walk(daysBefore, monthStart);
  year.days.reserve(static_cast<std::size_t>(sky.lastDay));
  for (int d = 1; d <= sky.lastDay; ++d) {
    CalendarDay& day = year.days.emplace_back();
    day.dayOfYear = d;
    walk.step(d);
    day.month = walk.date.month;
    day.day = walk.date.day;
    day.epochDays = daysBefore + monthStart[day.month] + day.day - 1 - EpochOffset;
    walk.cycles(day.epochDays);
    day.weekday = walk.weekday;
    day.gregorian = isGregorianDay(sky.year, day.month, day.day);
    day.julian = walk.julian;
    const int term = sky.termOnDay[d];
    if (term >= 0) {
      day.term = term;
      day.termInstant = sky.termInstant[term];
    }
    day.zassetsu = std::move(zassetsu.at(static_cast<std::size_t>(d)));
    for (int season = 0; season < 4; ++season)
      if (sky.doyoStartDay[season] == d) day.doyoStartInstant = sky.doyoStartInstant[season];
    day.holiday = holidays.at(static_cast<std::size_t>(d));
    day.festival = festivalOn(day.month, day.day);
    day.sexagenary = walk.sexagenary;
    const LunarDay& old = lunarYear.days[d];
    day.lunarMonth = old.month;
    day.lunarDay = old.day;
    day.moonAge = old.moonAge;
    day.noonMoonAge = noonAges.at(static_cast<std::size_t>(d));
    const int monthNumber = old.month.number.value_or(0);
    day.senjitsu = senjitsuOf(data.names, solarMonth, earlyTerms, term, day.sexagenary, monthNumber, day.lunarDay,
                               choices.almanacRules);
    day.rokuyo = static_cast<int>(modRoundHalfEven(day.lunarDay + 5 + data.names.rokuyoMonthOffset[monthNumber], 6) + 1);
    if (const NewMoon* moon = moons.on(d)) {
      day.newMoon = true;
      day.newMoonInstant = moon->instant;
    }
    if (rekichu) day.rekichu = rekichu->day(d, day.epochDays, day.sexagenary);
  }
  for (const MoonPhaseDay& phase : sky.phases) year.days.at(static_cast<std::size_t>(phase.day - 1)).moonPhase = phase;
  return year;
}

}  // namespace ventorel
