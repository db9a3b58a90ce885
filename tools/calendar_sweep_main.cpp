// Fingerprints of a span of years, to show that a change of the engine leaves its
// results as they were: run it before and after and compare the printed hashes.
//
//   calendar-sweep FIRST LAST            the classic model's sky of every astronomical
//                                        year: the day of each term and new moon, the
//                                        year-end moon age, the awaited term, 入梅, 半夏生
//   calendar-sweep FIRST LAST classic|true   the CSV text, the page, the JSON
//                                        document and the iCalendar events of every
//                                        entered year (0 skipped) of that basis
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/program_folder.h"
#include "classic/classic_sky.h"
#include "app/calendar_sources.h"
#include "classic/csv_calendar.h"
#include "classic/html_calendar.h"
#include "output/ics_calendar.h"
#include "output/json_calendar.h"
#include "output/page_calendar.h"

namespace {

using namespace ventorel;

// 64-bit FNV-1a: fixed, so that hashes of different builds compare.
struct Fnv {
  std::uint64_t h = 14695981039346656037ull;
  void bytes(std::string_view s) {
    for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  void number(long long n) { bytes(std::to_string(n) + ";"); }
};

void hashSky(Fnv& fnv, const YearSky& sky) {
  fnv.number(sky.lastDay);
  for (int k = 0; k < 24; ++k) fnv.number(sky.termDay[k]);
  fnv.number(static_cast<long long>(sky.newMoons.size()));
  for (const NewMoon& moon : sky.newMoons) fnv.number(moon.day);
  for (const int value : {sky.yearEndMoonAge, sky.nextTerm, sky.nyubaiDay, sky.hangeshoDay}) fnv.number(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: calendar-sweep FIRST LAST [classic|true]\n");
    return 2;
  }
  const long first = std::strtol(argv[1], nullptr, 10);
  const long last = std::strtol(argv[2], nullptr, 10);
  const ReferenceData data = loadProgramFolder(std::string(VENTOREL_SOURCE_DIR) + "/data").data;
  Fnv fnv;
  long count = 0;
  if (argc == 3) {
    const KeplerSky sky(data.orbit);
    for (long y = first; y <= last; ++y, ++count) hashSky(fnv, sky.year(static_cast<double>(y)));
    std::printf("sky %ld..%ld: %ld years, hash %016llx\n", first, last, count,
                static_cast<unsigned long long>(fnv.h));
    return 0;
  }
  const std::string_view mode = argv[3];
  const CalendarBasis basis = mode == "true" ? CalendarBasis::True : CalendarBasis::Classic;
  Fnv csv, page, json, ics;
  for (long y = first; y <= last; ++y) {
    if (y == 0) continue;
    const ComputedCalendar computed = computeCalendar(static_cast<double>(y), basis, data);
    csv.bytes(csvCalendar(computed.year, data.names));
    // The page each basis writes: the reading page for the true basis, the classic page otherwise.
    page.bytes(basis == CalendarBasis::True ? pageCalendar(computed.year, data.names)
                                            : htmlCalendar(computed.year, data.names));
    json.bytes(jsonCalendar(computed.year, data.names));
    if (icsRepresentable(computed.year))
      ics.bytes(icsCalendar("sweep", computed.year, data.names, IcsInclude{true, true}, "20240101T000000Z"));
    ++count;
  }
  std::printf("%s outputs %ld..%ld: %ld years, csv %016llx, page %016llx, json %016llx, ics %016llx\n", argv[3], first,
              last, count, static_cast<unsigned long long>(csv.h), static_cast<unsigned long long>(page.h),
              static_cast<unsigned long long>(json.h), static_cast<unsigned long long>(ics.h));
  return 0;
}
