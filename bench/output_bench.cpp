// Speed of each writer alone: the text made from the annotated year 2024 (page,
// CSV, iCalendar, JSON), and the page or CSV file written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/program_folder.h"
#include "bench_support.h"
#include "app/calendar_sources.h"
#include "output/calendar_file.h"
#include "classic/csv_calendar.h"
#include "classic/html_calendar.h"
#include "output/ics_calendar.h"
#include "output/data_csv.h"
#include "output/json_calendar.h"
#include "output/page_calendar.h"

namespace {

using namespace ventorel;

// The shipped reference data and the computed calendars of 2024, made once per process.
struct Computed2024 {
  std::unique_ptr<ReferenceData> data =
      std::make_unique<ReferenceData>(loadProgramFolder(bench::benchFolder()).data);
  ComputedCalendar computed = computeCalendar(2024, CalendarBasis::Classic, *data);
  ComputedCalendar computedTrue = computeCalendar(2024, CalendarBasis::True, *data);
};

const Computed2024& computed2024() {
  static const Computed2024 computed;
  return computed;
}

using Renderer = std::string (*)(const CalendarYear&, const BuiltinTables&);

void render(benchmark::State& state, Renderer renderer) {
  const Computed2024& c = computed2024();
  for (auto _ : state) benchmark::DoNotOptimize(renderer(c.computed.year, c.data->names));
  bench::perYear(state, 1);
}

// The true basis's writers, on the true year with its place's sky.
void renderTrue(benchmark::State& state, Renderer renderer) {
  const Computed2024& c = computed2024();
  for (auto _ : state) benchmark::DoNotOptimize(renderer(c.computedTrue.year, c.data->names));
  bench::perYear(state, 1);
}

void renderAndWrite(benchmark::State& state, Renderer renderer, const char* extension) {
  const Computed2024& c = computed2024();
  const std::string path = calendarPath(bench::benchFolder(), 2024, extension);
  SweptFolders swept;
  for (auto _ : state)
    benchmark::DoNotOptimize(writeCalendarFile(path, renderer(c.computed.year, c.data->names), true, nullptr, &swept));
  bench::perYear(state, 1);
}

// The iCalendar text of the year with the default events.
std::string icsOfYear(const CalendarYear& year, const BuiltinTables& names) {
  return icsCalendar(icsTitle(year.enteredYear, year.enteredYear), year, names, IcsInclude{}, "20240101T000000Z");
}

BENCHMARK_CAPTURE(render, html_2024, htmlCalendar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(render, ics_2024, icsOfYear)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(render, json_2024, jsonCalendar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(render, csv_2024, csvCalendar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderTrue, true_page_2024, pageCalendar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderTrue, true_csv_2024, dataCsv)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderAndWrite, html_2024, htmlCalendar, ".htm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderAndWrite, csv_2024, csvCalendar, ".csv")->Unit(benchmark::kMicrosecond);

}  // namespace
