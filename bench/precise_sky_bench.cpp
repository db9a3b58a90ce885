// Speed of the precise sky: every event a calendar year needs (the 24 terms, the
// six other solar passages and the new moons), and its parts.
#include <benchmark/benchmark.h>

#include "astro/precise_sky.h"
#include "astro/precise_year.h"
#include "astro/sky_longitudes.h"

namespace {

using namespace ventorel;

void BM_PreciseSkyYear(benchmark::State& bench) {
  int year = 1900;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(solarTermInstants(year));
    for (double degrees : {80.0, 100.0, 27.0, 117.0, 207.0, 297.0})
      benchmark::DoNotOptimize(solarLongitudeInstant(degrees, year));
    benchmark::DoNotOptimize(newMoonInstants(jstMidnight(year, 1, 1), jstMidnight(year + 1, 1, 1)));
    year = year < 2100 ? year + 1 : 1900;
  }
}
BENCHMARK(BM_PreciseSkyYear)->Unit(benchmark::kMicrosecond);

// The same events as the calendar keeps them: solved, and read from the table.
template <PreciseYearEvents (*Events)(int)>
void BM_PreciseYearEvents(benchmark::State& bench) {
  int year = 1500;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(Events(year));
    year = year < 2500 ? year + 1 : 1500;
  }
}
BENCHMARK(BM_PreciseYearEvents<computePreciseYearEvents>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreciseYearEvents<preciseYearEvents>)->Unit(benchmark::kNanosecond);

void BM_PreciseNewMoonsOfAYear(benchmark::State& bench) {
  for (auto _ : bench)
    benchmark::DoNotOptimize(newMoonInstants(jstMidnight(2024, 1, 1), jstMidnight(2025, 1, 1)));
}
BENCHMARK(BM_PreciseNewMoonsOfAYear)->Unit(benchmark::kMicrosecond);

template <SkyLongitude (*Quantity)(double)>
void BM_Longitude(benchmark::State& bench) {
  double jd = 2451545.0;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(Quantity(jd));
    jd += 0.37;
  }
}
BENCHMARK(BM_Longitude<sunApparentLongitude>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Longitude<moonSunElongation>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Longitude<roughSunLongitude>)->Unit(benchmark::kMicrosecond);

}  // namespace
