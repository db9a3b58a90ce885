// Speed of the sky alone: the three passes of a run (Sun, Moon, terms, new
// moons and headers), without the month numbering and the writers.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/run_state.h"
#include "astro/day_walk.h"
#include "astro/orbit.h"
#include "platform/recording.h"

namespace {

using namespace ventorel;

void skyPasses(benchmark::State& bench, double year) {
  auto state = std::make_unique<RunState>();
  RecordingSurface surface;
  state->enteredYear = year;
  for (auto _ : bench) {
    state->year = year;
    state->baseYear = year;
    state->useNewMoonTable = 0;
    state->nyubaiDay = 0;
    state->hangeshoDay = 0;
    surface.lines.clear();
    runPasses(*state, surface);
    benchmark::DoNotOptimize(state->termDay(1, 0));
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
