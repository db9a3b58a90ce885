// The one place where a calendar basis picks its sources and its renderers, and
// the computation of a year from them: three skies, the old calendar, the
// holidays, the annotated year. The classic model, numbering, holiday engine,
// page and CSV (classic/) are reached from here only.
#pragma once

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "astro/year_sky.h"
#include "calendar/annotate.h"
#include "calendar/calendar_basis.h"
#include "calendar/calendar_year.h"
#include "calendar/lunar_days.h"
#include "calendar/place_sky.h"
#include "data/places.h"
#include "data/reference_data.h"
#include "output/calendar_file.h"

namespace ventorel {

// The sky sources a basis may take; a year's sky depends only on the source and
// the year (and the reference data).
enum class SkyKind { KeplerModel, ShippedNewMoons, Precise };

struct CalendarSources {
  SkyKind skyKind = SkyKind::KeplerModel;
  std::unique_ptr<SkySource> sky;
  // The old calendar by the modern month rule over the sky's true new moons and
  // 中気; otherwise the classic numbering with its mends and the 1985 correction.
  bool modernMonths = false;
  // The true basis outside the precise sky's range: the classic sources stand in.
  bool skyFallback = false;
  // The months officially in use up to 1872 laid over the computed ones.
  bool historicalMonths = false;
  // The holidays of the holiday law; otherwise the holiday file's rules.
  bool lawHolidays = false;
  AnnotationChoices annotation;
  // Each day's Japanese date from the era starts (the true basis).
  bool japaneseDates = false;
  // The documents carry the place's sun and moon of each day and the year's eclipses (the true basis).
  bool almanacSky = false;
  // The names as written today, or the classic files' own spellings.
  NameSpelling spelling = NameSpelling::Classic;
  std::string note;  // where the terms and new moons come from, for the data formats
};

// The skies of the latest years computed, for a batch of consecutive years: each
// run needs the years either side of its own, so that without the cache every
// year's sky is computed three times. Owned by the batch; serves one ReferenceData.
class SkyCache {
 public:
  // The sky of the astronomical year from the sources, computed when not kept.
  YearSky year(const CalendarSources& sources, double astronomicalYear);

  // The place's sky of the year (placeSkyOf). A batch asks for its years in
  // order, so the next year's is begun at once on another thread (it is a pure
  // computation, and about a third of a true year's time), and is ready when
  // asked for; any other year's is computed here.
  PlaceSky placeSky(int year, const Place& place, PlaceSkyParts parts);

 private:
  struct NextPlaceSky {
    int year;
    Place place;
    PlaceSkyParts parts;
    std::future<PlaceSky> sky;  // a year begun for a batch that ended is waited for here, not left running
  };
  std::optional<NextPlaceSky> next_;

  struct Kept {
    SkyKind kind;
    double year;
    YearSky sky;
  };
  static constexpr std::size_t Capacity = 8;
  std::vector<Kept> kept_;  // oldest first
};

// The sources of a basis for an astronomical year. Classic: the shipped new-moon
// table for chosen years 1902..2098 (it covers the years either side), the Kepler
// model's new moons otherwise. True: the precise sky and the modern month rule
// within the precise range, the classic sources beyond it.
CalendarSources sourcesFor(CalendarBasis basis, double year, const ReferenceData& data);

// Whether a basis makes the calendar of a year that is not a whole number: the
// classic one does (its files have always taken one), the true one refuses it.
bool takesFractionalYears(CalendarBasis basis);

// The data files a calendar of the basis is not made without. The true basis
// needs the holiday law (holiday_law.dat), the eras of the year's heading
// (gen1.dat, gen2.dat) and the first days of the eras for each day's Japanese
// date (era_starts.dat); the classic basis needs the holiday file (shuku.dat),
// the era files and the new-moon table (singetu.dat). Any other file missing
// (ini.dat; shuku.dat and singetu.dat for the true basis) is told and the
// calendar made without it.
std::vector<std::string> neededDataFiles(CalendarBasis basis);

// The renderers of a basis for the calendar files: the page and the spreadsheet
// file, what of the place's sky the spreadsheet file shows, and how every file
// of a year is named (the data formats' too).
struct CalendarRenderers {
  std::string (*page)(const CalendarYear&, const BuiltinTables&);
  std::string (*spreadsheet)(const CalendarYear&, const BuiltinTables&);
  PlaceSkyParts spreadsheetSky;
  FileNaming naming;
};
CalendarRenderers renderersFor(CalendarBasis basis);

// Everything computed for a chosen year: the skies of it and the years either
// side, their old calendar, and the annotated chosen year.
struct ComputedCalendar {
  SkyTrio skies;
  LunarDays lunar;
  CalendarYear year;
};

// The calendar of the entered year (user numbering, not 0); the skies are taken
// from the cache when one is given. A true year of the precise sky also gets the
// rises and sets at `place` and, with `parts` WithEclipses, its eclipses (place_sky.h).
ComputedCalendar computeCalendar(double enteredYear, CalendarBasis basis, const ReferenceData& data,
                                 SkyCache* cache = nullptr, const Place& place = defaultPlace(),
                                 PlaceSkyParts parts = PlaceSkyParts::WithEclipses);

// Sets every day's Japanese date from the era starts and the day's old-calendar date.
void addJapaneseDates(CalendarYear& year, const EraStarts& starts);

// The astronomical numbering of an entered year: 1 BC (-1) is year 0.
double astronomicalYear(double enteredYear);

}  // namespace ventorel
