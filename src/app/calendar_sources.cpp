#include "app/calendar_sources.h"

#include <system_error>

#include "astro/julian_day.h"
#include "astro/precise_sky_source.h"
#include "calendar/annotate.h"
#include "calendar/historical_days.h"
#include "calendar/holidays.h"
#include "calendar/japanese_date.h"
#include "calendar/modern_old_calendar.h"
#include "calendar/place_sky.h"
#include "ventorel/date.h"
#include "classic/classic_months.h"
#include "classic/classic_sky.h"
#include "classic/csv_calendar.h"
#include "classic/file_holidays.h"
#include "classic/html_calendar.h"
#include "data/data_files.h"
#include "output/data_csv.h"
#include "output/page_calendar.h"

namespace ventorel {

// A positive year is used as it is: adding 0 to it, as the page's year once did,
// changes no value, so the page and the CSV file are the same without it.
double astronomicalYear(double enteredYear) { return astronomicalOfUser(enteredYear); }

CalendarSources sourcesFor(CalendarBasis basis, double year, const ReferenceData& data) {
  CalendarSources sources;
  if (basis == CalendarBasis::True) {
    // The true calendar keeps the months that were officially in use up to 1872,
    // names the calendar they came from, and follows the holiday law while the law
    // file is whole (the holiday file's rules stand in otherwise).
    sources.historicalMonths = true;
    sources.japaneseDates = true;
    sources.almanacSky = true;
    sources.spelling = NameSpelling::Current;
    sources.annotation.historicalCalendar = true;
    sources.lawHolidays = data.lawComplete;
    sources.annotation.almanacRules = true;
    sources.annotation.rekichu = true;
    if (inPreciseRange(year)) {
      sources.skyKind = SkyKind::Precise;
      sources.sky = std::make_unique<PreciseSkySource>();
      sources.modernMonths = true;
      sources.note = "terms and new moons: the precise sky (ERFA eraEpv00 and eraMoon98, Delta T), to the minute in JST";
      return sources;
    }
    sources.skyFallback = true;
  }
  if (year > 1901 && year < 2099) {
    sources.skyKind = SkyKind::ShippedNewMoons;
    sources.sky = std::make_unique<TableNewMoonSky>(data.orbit, data.newMoonTable);
    sources.note = "terms: the classic orbit model; new moons: the shipped table 1901-2099 (singetu.dat)";
  } else {
    sources.skyKind = SkyKind::KeplerModel;
    sources.sky = std::make_unique<KeplerSky>(data.orbit);
    sources.note = "terms and new moons: the classic orbit and moon model";
  }
  return sources;
}

bool takesFractionalYears(CalendarBasis basis) { return basis == CalendarBasis::Classic; }

std::vector<std::string> neededDataFiles(CalendarBasis basis) {
  if (basis == CalendarBasis::True)
    return {dataFileName(DataFile::HolidayLaw), dataFileName(DataFile::Eras), dataFileName(DataFile::SecondCourtEras),
            dataFileName(DataFile::EraStarts)};
  return {dataFileName(DataFile::Holidays), dataFileName(DataFile::Eras), dataFileName(DataFile::SecondCourtEras),
          dataFileName(DataFile::NewMoons)};
}

// The true basis gets the page to read and print and a data table for the
// spreadsheet, a row a day with no place for the year's eclipses; the classic
// basis keeps the page, the layout and the names its files have always had.
CalendarRenderers renderersFor(CalendarBasis basis) {
  if (basis == CalendarBasis::True) return {pageCalendar, dataCsv, PlaceSkyParts::RisesAndSets, FileNaming::Plain};
  return {htmlCalendar, csvCalendar, PlaceSkyParts::RisesAndSets, FileNaming::LeadingBlank};
}

YearSky SkyCache::year(const CalendarSources& sources, double astronomicalYear) {
  for (const Kept& kept : kept_)
    if (kept.kind == sources.skyKind && kept.year == astronomicalYear) return kept.sky;
  if (kept_.size() == Capacity) kept_.erase(kept_.begin());
  kept_.push_back({sources.skyKind, astronomicalYear, sources.sky->year(astronomicalYear)});
  return kept_.back().sky;
}

PlaceSky SkyCache::placeSky(int year, const Place& place, PlaceSkyParts parts) {
  std::optional<PlaceSky> sky;
  if (next_ && next_->year == year && next_->place == place && next_->parts == parts) sky = next_->sky.get();
  next_.reset();
  if (!sky) sky = placeSkyOf(year, place, parts);
  const int following = year + 1;
  if (inPreciseRange(following)) {
    try {
      next_ = NextPlaceSky{following, place, parts, std::async(std::launch::async, [following, place, parts] {
                             return placeSkyOf(following, place, parts);
                           })};
    } catch (const std::system_error&) {
      // No thread to be had: the next year's is computed when it is asked for.
      next_.reset();
    }
  }
  return std::move(*sky);
}

void addJapaneseDates(CalendarYear& year, const EraStarts& starts) {
  const auto gregorianYear = static_cast<std::int64_t>(year.year);
  for (CalendarDay& day : year.days) {
    std::optional<OldCalendarDate> old;
    if (day.lunarMonth.number)
      old = OldCalendarDate{lunarYearOf(gregorianYear, day.month, *day.lunarMonth.number), *day.lunarMonth.number,
                            day.lunarMonth.leap, day.lunarDay};
    day.japaneseDates = japaneseDatesOf(jdnOfEpochDay(day.epochDays), old, starts);
  }
}

ComputedCalendar computeCalendar(double enteredYear, CalendarBasis basis, const ReferenceData& data, SkyCache* cache,
                                 const Place& place, PlaceSkyParts parts) {
  const double year = astronomicalYear(enteredYear);
  const CalendarSources sources = sourcesFor(basis, year, data);
  auto skyOf = [&](double y) { return cache ? cache->year(sources, y) : sources.sky->year(y); };
  ComputedCalendar computed;
  for (int slot = 0; slot <= 2; ++slot) computed.skies[static_cast<std::size_t>(slot)] = skyOf(year + slot - 1);
  computed.lunar = sources.modernMonths ? modernOldCalendar(computed.skies, skyOf(year - 2), skyOf(year + 2))
                                        : oldCalendar(computed.skies, enteredYear);
  if (sources.historicalMonths) takeHistoricalMonths(computed.lunar);
  const YearSky& sky = computed.skies[1];
  computed.year = annotate(data, enteredYear, computed.skies, computed.lunar,
                           sources.lawHolidays ? lawHolidaysOf(data.holidayLaw, sky) : holidaysOf(data.holidays, sky),
                           sources.annotation);
  computed.year.basis = basis;
  computed.year.spelling = sources.spelling;
  computed.year.japaneseDates = sources.japaneseDates;
  computed.year.almanacSky = sources.almanacSky;
  computed.year.skyFallback = sources.skyFallback;
  computed.year.skySource = sources.note;
  if (sources.japaneseDates) addJapaneseDates(computed.year, data.eraStarts);
  if (sources.skyKind == SkyKind::Precise && parts != PlaceSkyParts::None) {
    const auto gregorianYear = static_cast<int>(computed.year.year);
    addPlaceSky(computed.year, place,
                cache ? cache->placeSky(gregorianYear, place, parts) : placeSkyOf(gregorianYear, place, parts));
  }
  return computed;
}

}  // namespace ventorel
