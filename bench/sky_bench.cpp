// Speed of the sky alone: one year's terms and new moons from the source each
// basis takes, without the month numbering and the writers.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/program_folder.h"
#include "astro/eclipses.h"
#include "astro/rise_set.h"
#include "classic/orbit.h"
#include "bench_support.h"
#include "app/calendar_sources.h"

namespace {

using namespace ventorel;

// Consecutive years from `first`, as a batch walks them.
void skyOfAYear(benchmark::State& state, CalendarBasis basis, double first) {
  static const ReferenceData data = loadProgramFolder(bench::benchFolder()).data;
  const CalendarSources sources = sourcesFor(basis, first, data);
  double year = first;
  for (auto _ : state) {
    const YearSky sky = sources.sky->year(year);
    benchmark::DoNotOptimize(sky.termDay[0]);
    year = year < first + 99 ? year + 1 : first;
  }
  bench::perYear(state, 1);
}

BENCHMARK_CAPTURE(skyOfAYear, classic_model_2150, CalendarBasis::Classic, 2150)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(skyOfAYear, classic_table_1950, CalendarBasis::Classic, 1950)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(skyOfAYear, true_1500, CalendarBasis::True, 1500)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(skyOfAYear, true_2150, CalendarBasis::True, 2150)->Unit(benchmark::kMicrosecond);

// The almanac's sky of a place (東京) for consecutive years from 2000: every day's
// rises, transits and sets of the Sun and the Moon, and the year's eclipses as seen there.
template <typename OfYear>
void tokyoYears(benchmark::State& state, OfYear ofYear) {
  int year = 2000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ofYear(year, 35.658099, 139.741357));
    year = year < 2099 ? year + 1 : 2000;
  }
  bench::perYear(state, 1);
}

void riseSetOfAYear(benchmark::State& state) { tokyoYears(state, riseSetOfYear); }
BENCHMARK(riseSetOfAYear)->Unit(benchmark::kMicrosecond);

void eclipsesOfAYear(benchmark::State& state) { tokyoYears(state, eclipsesOfYear); }
BENCHMARK(eclipsesOfAYear)->Unit(benchmark::kMicrosecond);

void BM_SolveKepler(benchmark::State& state) {
  double g = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solveKepler(g, MoonEccentricity));
    g += 0.000123;
    if (g >= 1) g -= 1;
  }
}
BENCHMARK(BM_SolveKepler)->Unit(benchmark::kNanosecond);

}  // namespace
