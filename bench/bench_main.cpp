// The benchmarks' main: the usual console table, then one line per benchmark that
// makes calendar years with its time per generated year in milliseconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"

namespace ventorel::bench {

namespace {

constexpr const char* PerYearCounter = "years";
constexpr const char* ChildCpuCounter = "child_cpu_s";

class PerYearReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto years = run.counters.find(PerYearCounter);
      if (run.run_type != Run::RT_Iteration || years == run.counters.end() || run.iterations == 0) continue;
      const double iterations = static_cast<double>(run.iterations);
      const auto child = run.counters.find(ChildCpuCounter);
      const double cpu = child != run.counters.end() ? child->second.value : run.cpu_accumulated_time / iterations;
      const double perYear = 1000 / years->second.value;
      lines_.push_back({run.benchmark_name(), perYear * run.real_accumulated_time / iterations, perYear * cpu});
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (lines_.empty()) return;
    std::printf("\n%-60s %12s %12s\n", "ms per generated year", "wall clock", "CPU");
    for (const Line& line : lines_) std::printf("%-60s %12.4f %12.4f\n", line.name.c_str(), line.wall, line.cpu);
  }

 private:
  struct Line {
    std::string name;
    double wall;
    double cpu;
  };
  std::vector<Line> lines_;
};

}  // namespace

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

void perYear(benchmark::State& state, double years) {
  state.counters[PerYearCounter] = benchmark::Counter(years);
}

void childCpuSeconds(benchmark::State& state, double seconds) {
  state.counters[ChildCpuCounter] = benchmark::Counter(seconds, benchmark::Counter::kAvgIterations);
}

}  // namespace ventorel::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ventorel::bench::PerYearReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
