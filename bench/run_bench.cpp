// Speed of whole generation runs: three years computed, one file written.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/generation_run.h"
#include "app/program_folder.h"
#include "platform/recording.h"

namespace {

using namespace ventorel;

// A program folder with the shipped data files, made once per process.
std::string benchFolder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "ventorel-bench";
    std::filesystem::create_directories(path);
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VENTOREL_SOURCE_DIR) + "/data"))
      if (entry.path().extension() == ".dat")
        std::filesystem::copy_file(entry.path(), path / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    return path.string();
  }();
  return folder;
}

void wholeRun(benchmark::State& bench, const std::string& year, const std::string& format,
              CalendarBasis basis = CalendarBasis::Classic) {
  const auto data = std::make_unique<ReferenceData>(loadProgramFolder(benchFolder()).data);
  RunSettings settings{benchFolder(), data->outputFormat};
  RecordingSurface surface;
  RecordingLauncher launcher;
  RunContext context{surface, launcher};
  for (auto _ : bench) {
    std::string combo = format;
    const RunReport report = runGeneration(*data, settings, RunInputs{year, basis}, combo, context);
    benchmark::DoNotOptimize(report);
  }
}

void BM_RunTable2024Html(benchmark::State& s) { wholeRun(s, "2024", "htm形式"); }
void BM_RunComputed2150Html(benchmark::State& s) { wholeRun(s, "2150", "htm形式"); }
void BM_RunComputed2150Csv(benchmark::State& s) { wholeRun(s, "2150", "csv形式"); }
// The same runs with the true sky (precise table, modern month rule), to hold
// against the classic ones above.
void BM_RunTrue2024Html(benchmark::State& s) { wholeRun(s, "2024", "htm形式", CalendarBasis::True); }
void BM_RunTrue2150Html(benchmark::State& s) { wholeRun(s, "2150", "htm形式", CalendarBasis::True); }
void BM_RunTrue2150Csv(benchmark::State& s) { wholeRun(s, "2150", "csv形式", CalendarBasis::True); }
BENCHMARK(BM_RunTable2024Html)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTrue2024Html)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTrue2150Html)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTrue2150Csv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunComputed2150Html)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunComputed2150Csv)->Unit(benchmark::kMillisecond);

// 1000 consecutive years through the command line, in one call.
void commandLineThousandYears(benchmark::State& bench, const char* options) {
  const std::string folder = benchFolder();
  std::string command = std::string("cd '") + folder + "' && '" + VENTOREL_CLI + "' --format csv" + options;
  for (int y = 2100; y < 3100; ++y) command += " " + std::to_string(y);
  command += " > /dev/null";
  for (auto _ : bench) {
    const int rc = std::system(command.c_str());
    benchmark::DoNotOptimize(rc);
  }
}
void BM_CommandLineThousandYears(benchmark::State& s) { commandLineThousandYears(s, " --classic"); }
void BM_CommandLineThousandYearsTrue(benchmark::State& s) { commandLineThousandYears(s, ""); }
BENCHMARK(BM_CommandLineThousandYearsTrue)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CommandLineThousandYears)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
