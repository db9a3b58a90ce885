// Speed of the library's one-day answers: a day of a year not yet computed, and
// a date text read into its day.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "ventorel/calendar.h"

namespace {

using namespace ventorel;

const Engine& engine() {
  static const LoadResult loaded = Engine::load(bench::benchFolder());
  return *loaded.engine;
}

// Each call asks for a year the engine has not kept (it keeps the last four).
void dayOfNewYear(benchmark::State& state) {
  std::int64_t year = 1500;
  for (auto _ : state) {
    const DayResult day = engine().day(Date{year, 7, 1});
    if (!day.ok()) state.SkipWithError(day.message.c_str());
    benchmark::DoNotOptimize(day.day);
    year = year == 2500 ? 1500 : year + 1;
  }
}
BENCHMARK(dayOfNewYear)->Unit(benchmark::kMicrosecond);

// A day of a year computed just before.
void dayOfKeptYear(benchmark::State& state) {
  engine().day(Date{2024, 1, 1});
  int d = 1;
  for (auto _ : state) {
    const DayResult day = engine().day(Date{2024, 1, d});
    benchmark::DoNotOptimize(day.day);
    d = d == 31 ? 1 : d + 1;
  }
}
BENCHMARK(dayOfKeptYear)->Unit(benchmark::kMicrosecond);

void japaneseDateText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(engine().parseDate("元禄十五年十二月十四日"));
}
BENCHMARK(japaneseDateText)->Unit(benchmark::kMicrosecond);

}  // namespace
