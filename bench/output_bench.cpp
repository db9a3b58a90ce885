// Speed of the two writers alone: the chosen year's day walk, the page or the
// CSV text assembled, and the file written, on tables a whole run has filled.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/generation_run.h"
#include "app/run_state.h"
#include "data/data_files.h"
#include "output/csv_calendar.h"
#include "output/html_calendar.h"
#include "platform/recording.h"

namespace {

using namespace ventorel;

// The run state after a whole run for 2024, made once per process.
const RunState& filledState(const std::string& format) {
  static std::unique_ptr<RunState> states[2];
  auto& state = states[format == "csv形式" ? 1 : 0];
  if (!state) {
    const auto folder = std::filesystem::temp_directory_path() / "ventorel-output-bench";
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VENTOREL_SOURCE_DIR) + "/data"))
      if (entry.path().extension() == ".dat")
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    state = std::make_unique<RunState>();
    state->programFolder = folder.string();
    RecordingMessageBox messages;
    loadDataFiles(*state, messages);
    RecordingSurface surface;
    RecordingLauncher launcher;
    RunContext context{surface, messages, launcher};
    std::string combo = format;
    runGeneration(*state, "2024", combo, context);
  }
  return *state;
}

template <WriteResult (*Write)(RunState&, MessageBox&, Launcher&)>
void writer(benchmark::State& bench, const std::string& format) {
  const RunState& filled = filledState(format);
  RecordingMessageBox messages;
  RecordingLauncher launcher;
  for (auto _ : bench) {
    // Each write appends the festivals to the notes, so it starts from a fresh copy.
    bench.PauseTiming();
    auto state = std::make_unique<RunState>(filled);
    bench.ResumeTiming();
    benchmark::DoNotOptimize(Write(*state, messages, launcher));
  }
}

void BM_WriteHtml2024(benchmark::State& s) { writer<writeHtmlCalendar>(s, "htm形式"); }
void BM_WriteCsv2024(benchmark::State& s) { writer<writeCsvCalendar>(s, "csv形式"); }
BENCHMARK(BM_WriteHtml2024)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteCsv2024)->Unit(benchmark::kMicrosecond);

}  // namespace
