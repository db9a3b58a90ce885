// Speed of the sky alone: the three years of a run (Sun, Moon, terms, new
// moons), without the month numbering and the writers.
#include <benchmark/benchmark.h>

#include <memory>

#include "astro/classic_sky.h"
#include "astro/orbit.h"

namespace {

using namespace ventorel;

void skyPasses(benchmark::State& bench, double year) {
  const OrbitElements orbit;
  const KeplerSky sky(orbit);
  for (auto _ : bench) {
    for (int offset = -1; offset <= 1; ++offset) {
      const YearSky computed = sky.year(year + offset);
      benchmark::DoNotOptimize(computed.termDay[0]);
    }
  }
}

void BM_SkyPasses2024(benchmark::State& s) { skyPasses(s, 2024); }
void BM_SkyPasses2150(benchmark::State& s) { skyPasses(s, 2150); }
BENCHMARK(BM_SkyPasses2024)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyPasses2150)->Unit(benchmark::kMicrosecond);

void BM_SolveKepler(benchmark::State& bench) {
  double g = 0;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(solveKepler(g, 0.0548799));
    g += 0.000123;
    if (g >= 1) g -= 1;
  }
}
BENCHMARK(BM_SolveKepler)->Unit(benchmark::kNanosecond);

}  // namespace
