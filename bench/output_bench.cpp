// Speed of the two renderers alone: the page or the CSV text made from the
// annotated year 2024, and the file written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/program_folder.h"
#include "calendar/calendar_sources.h"
#include "output/calendar_file.h"
#include "output/csv_calendar.h"
#include "output/html_calendar.h"

namespace {

using namespace ventorel;

// The shipped reference data and the computed calendar of 2024, made once per process.
struct Computed2024 {
  std::unique_ptr<ReferenceData> data =
      std::make_unique<ReferenceData>(loadProgramFolder(std::string(VENTOREL_SOURCE_DIR) + "/data").data);
  ComputedCalendar computed = computeCalendar(2024, CalendarBasis::Classic, *data);
};

const Computed2024& computed2024() {
  static const Computed2024 computed;
  return computed;
}

template <std::string (*Render)(const CalendarYear&, const BuiltinTables&)>
void writer(benchmark::State& bench, const char* extension) {
  const Computed2024& c = computed2024();
  const auto folder = std::filesystem::temp_directory_path() / "ventorel-output-bench";
  std::filesystem::create_directories(folder);
  const std::string path = calendarPath(folder.string(), 2024, extension);
  for (auto _ : bench) benchmark::DoNotOptimize(writeCalendarFile(path, Render(c.computed.year, c.data->names)));
}

void BM_WriteHtml2024(benchmark::State& s) { writer<htmlCalendar>(s, ".htm"); }
void BM_WriteCsv2024(benchmark::State& s) { writer<csvCalendar>(s, ".csv"); }
BENCHMARK(BM_WriteHtml2024)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteCsv2024)->Unit(benchmark::kMicrosecond);

}  // namespace
