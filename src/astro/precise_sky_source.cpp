#include "astro/precise_sky_source.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "astro/day_count.h"
#include "astro/julian_day.h"
#include "astro/precise_year.h"

namespace ventorel {

namespace {

// The 候 of the passage of k times 5 degrees: 315 degrees (立春) opens the first.
int kouIndexOf(int k) { return (k + 72 - 63) % 72 + 1; }

class EventDays {
 public:
  explicit EventDays(int year) : year_(year), firstJdn_(jdnOfGregorian(year, 1, 1)) {
    fillMonthStarts(monthStart_, leapDay(year));
  }

  // Day of the year (1 = 1 January) of an event; an event outside the year is a
  // broken table row and ends the run.
  int dayOf(const SkyEvent& event) const {
    const std::int64_t d = event.dayNumber - firstJdn_ + 1;
    if (d < 1 || d > monthStart_[13]) throw TableBoundsError("precise sky days", d, monthStart_[13]);
    return static_cast<int>(d);
  }

  JstMinute instantOf(const SkyEvent& event) const {
    const MonthDay date = monthDayOf(dayOf(event), monthStart_);
    return {static_cast<double>(year_), date.month, date.day, event.hour(), event.minute(), event.second()};
  }

 private:
  int year_;
  std::int64_t firstJdn_;
  MonthStarts monthStart_{"monthStart"};
};

}  // namespace

YearSky PreciseSkySource::year(double astronomicalYear) const {
  if (astronomicalYear != std::floor(astronomicalYear) || std::abs(astronomicalYear) > 1e6)
    throw std::domain_error("precise sky: no year " + std::to_string(astronomicalYear));
  const int y = static_cast<int>(astronomicalYear);
  const PreciseYearEvents events = preciseYearEvents(y);
  const EventDays days(y);

  YearSky sky;
  sky.year = astronomicalYear;
  sky.lastDay = 365 + leapDay(astronomicalYear);
  for (int k = 0; k < SolarTermCount; ++k) {
    sky.placeTerm(k, days.dayOf(events.terms[static_cast<std::size_t>(k)]));
    sky.termInstant[k] = days.instantOf(events.terms[static_cast<std::size_t>(k)]);
  }
  sky.nextTerm = termIndex(nextTerm(SolarTerm::Toji));  // the year after 冬至 waits for 小寒
  for (const SkyEvent& moon : events.newMoons()) sky.newMoons.push_back({days.dayOf(moon), days.instantOf(moon)});
  sky.yearEndMoonAge = sky.moonAgeOn(sky.lastDay);
  for (const PhaseEvent& phase : events.phases())
    sky.phases.push_back({phase.quarter, days.dayOf(phase.at), days.instantOf(phase.at)});
  sky.nyubaiDay = days.dayOf(events.nyubai());
  sky.hangeshoDay = days.dayOf(events.hangeshou());
  for (int season = 0; season < 4; ++season) {
    sky.doyoStartDay[season] = days.dayOf(events.doyoStart(season));
    sky.doyoStartInstant[season] = days.instantOf(events.doyoStart(season));
  }
  // Every third 候 opens with a term; the others are the table's own.
  sky.kous.reserve(73);
  for (int k = 0; k < SolarTermCount; ++k) sky.kous.push_back({sky.termDay[k], kouIndexOf(3 * k), *sky.termInstant[k]});
  const std::span<const SkyEvent> kous = events.kous();
  int k = events.firstKou;
  for (const SkyEvent& kou : kous) {
    sky.kous.push_back({days.dayOf(kou), kouIndexOf(k), days.instantOf(kou)});
    k = nextKouBetweenTerms(k);
  }
  std::sort(sky.kous.begin(), sky.kous.end(), [](const SkyKou& a, const SkyKou& b) { return a.day < b.day; });
  return sky;
}

}  // namespace ventorel
