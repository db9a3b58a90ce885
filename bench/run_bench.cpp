// Speed of whole generation runs (three years computed, one file written), and of
// batches of years through the command line.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <memory>
#include <sstream>
#include <string>

#include "app/data_export.h"
#include "app/generation_run.h"
#include "app/program_folder.h"
#include "bench_support.h"
#include "platform/recording.h"

namespace {

using namespace ventorel;
using bench::benchFolder;

// Runs the year through runGeneration as often as the benchmark asks, a window's
// press each time.
void timeRuns(benchmark::State& state, const ReferenceData& data, RecordingSurface& surface, RunContext& context,
              const RunInputs& inputs, const std::string& combo) {
  RunSettings settings{benchFolder(), Value(combo == data.names.formatName[1] ? 1.0 : 0.0)};
  for (auto _ : state) {
    std::string shown = combo;
    surface.dots.clear();
    surface.lines.clear();
    const RunReport report = runGeneration(data, settings, inputs, shown, context);
    if (report.status != RunStatus::Done) state.SkipWithError(report.problem.text().c_str());
    benchmark::DoNotOptimize(report);
  }
  bench::perYear(state, 1);
}

void wholeRun(benchmark::State& state, CalendarBasis basis, const char* format, const char* year) {
  const auto data = std::make_unique<ReferenceData>(loadProgramFolder(benchFolder()).data);
  RecordingSurface surface;
  RecordingLauncher launcher;
  RunContext context{surface, launcher};
  SweptFolders swept;  // as the window keeps it
  context.sweptFolders = &swept;
  const std::string combo = data->names.formatName[std::string(format) == "csv" ? 1 : 0];
  timeRuns(state, *data, surface, context, RunInputs{year, basis}, combo);
}

// The same with the year handed to the iCalendar or JSON export, a file per year.
void dataRun(benchmark::State& state, CalendarBasis basis, DataFormat format, const char* year) {
  const auto data = std::make_unique<ReferenceData>(loadProgramFolder(benchFolder()).data);
  RecordingSurface surface;
  RecordingLauncher launcher;
  std::ostringstream out;
  DataExportOptions options;
  options.format = format;
  options.folder = benchFolder();
  SweptFolders swept;  // as the command line keeps it
  options.swept = &swept;
  DataExport dataExport(*data, options, launcher, out, 0);
  RunContext context{surface, launcher};
  context.deliver = [&dataExport](const CalendarYear& computed) { return dataExport.deliver(computed); };
  timeRuns(state, *data, surface, context, RunInputs{year, basis}, "");
}

// 2024 takes the shipped new-moon table in the classic basis, 2150 the orbit model.
BENCHMARK_CAPTURE(wholeRun, classic_htm_2024, CalendarBasis::Classic, "htm", "2024")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, classic_csv_2024, CalendarBasis::Classic, "csv", "2024")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, classic_htm_2150, CalendarBasis::Classic, "htm", "2150")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, classic_csv_2150, CalendarBasis::Classic, "csv", "2150")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, true_htm_2024, CalendarBasis::True, "htm", "2024")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, true_csv_2024, CalendarBasis::True, "csv", "2024")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, true_htm_2150, CalendarBasis::True, "htm", "2150")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeRun, true_csv_2150, CalendarBasis::True, "csv", "2150")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(dataRun, classic_ics_2150, CalendarBasis::Classic, DataFormat::Ics, "2150")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(dataRun, classic_json_2150, CalendarBasis::Classic, DataFormat::Json, "2150")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(dataRun, true_ics_2024, CalendarBasis::True, DataFormat::Ics, "2024")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(dataRun, true_json_2024, CalendarBasis::True, DataFormat::Json, "2024")->Unit(benchmark::kMillisecond);

// The years 1500..1999 in one call of the command line, as an almanac maker would
// make them, timed from start to exit (data files read, files written and synced).
// Made again, the files are already there in the benchmark's folder, the same as
// before, and stay as they are. Made new, each call has a new folder of its own,
// made untimed; the folders are removed only after the last call, as the file
// system makes a new file slowly beside many files deleted in the last minutes.
void commandLineBatch(benchmark::State& state, const char* modeOption, const char* format, bool madeNew) {
  constexpr int First = 1500, Last = 1999;
  const std::filesystem::path base =
      std::filesystem::path(benchFolder()) / (std::string("batch") + modeOption + "-" + format + (madeNew ? "-new" : ""));
  auto makeFolder = [](const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(benchFolder()))
      if (entry.path().extension() == ".dat")
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
  };
  auto command = [&](const std::filesystem::path& folder) {
    return std::string("cd '") + folder.string() + "' && '" + VENTOREL_CLI + "' " + modeOption + " --format " + format +
           " " + std::to_string(First) + ".." + std::to_string(Last) + " > /dev/null 2>&1";
  };
  auto childSeconds = [] {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  };
  std::filesystem::remove_all(base);
  makeFolder(base);
  if (!madeNew && std::system(command(base).c_str()) != 0) state.SkipWithError("the command line failed");
  const double before = childSeconds();
  int call = 0;
  for (auto _ : state) {
    std::filesystem::path folder = base;
    if (madeNew) {
      state.PauseTiming();
      folder = base / std::to_string(++call);
      makeFolder(folder);
      state.ResumeTiming();
    }
    if (std::system(command(folder).c_str()) != 0) state.SkipWithError("the command line failed");
  }
  bench::perYear(state, Last - First + 1);
  bench::childCpuSeconds(state, childSeconds() - before);
  if (madeNew) std::filesystem::remove_all(base);
}

BENCHMARK_CAPTURE(commandLineBatch, true_csv_500_years_again, "", "csv", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, classic_csv_500_years_again, "--classic", "csv", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, true_htm_500_years_again, "", "htm", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, classic_htm_500_years_again, "--classic", "htm", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, true_ics_500_years_again, "", "ics", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, true_json_500_years_again, "", "json", false)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(commandLineBatch, true_csv_500_years_new, "", "csv", true)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(commandLineBatch, classic_csv_500_years_new, "--classic", "csv", true)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
