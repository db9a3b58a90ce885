// The window's month view: the sheet of a month, as a move to the next month
// makes it, within a year already made and into a year not yet made.
#include <benchmark/benchmark.h>

#include "app/month_sheet.h"
#include "data/reference_data.h"
#include "bench_support.h"

namespace {

using namespace ventorel;

const Engine& benchEngine() {
  static const LoadResult loaded = Engine::load(bench::benchFolder());
  return *loaded.engine;
}

void BM_MonthSheetSameYear(benchmark::State& state) {
  const Engine& engine = benchEngine();
  int month = 0;
  for (auto _ : state) {
    const MonthSheet sheet = monthSheet(engine, 2024, month % 12 + 1);
    benchmark::DoNotOptimize(sheet);
    ++month;
  }
}
BENCHMARK(BM_MonthSheetSameYear)->Unit(benchmark::kMillisecond);

// Each sheet in a year the engine has not made yet (years 1000 onward, true basis).
void BM_MonthSheetNewYear(benchmark::State& state) {
  const Engine engine(std::make_shared<const ReferenceData>(benchEngine().data()));
  std::int64_t year = 1000;
  for (auto _ : state) {
    const MonthSheet sheet = monthSheet(engine, year++, 1);
    benchmark::DoNotOptimize(sheet);
  }
}
BENCHMARK(BM_MonthSheetNewYear)->Unit(benchmark::kMillisecond);

}  // namespace
