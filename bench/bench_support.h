// What the benchmarks share: a program folder with the shipped data files, and
// the "ms per generated year" figure each benchmark that makes years reports.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace ventorel::bench {

// A folder in the temporary directory holding the shipped data files, made once per process.
std::string benchFolder();

// Records that every iteration made `years` calendar years; the summary at the end
// of the run prints the time per year in milliseconds.
void perYear(benchmark::State& state, double years);

// The CPU time that child processes took over all iterations (the command line's
// own time, which the benchmark's CPU clock does not see).
void childCpuSeconds(benchmark::State& state, double seconds);

}  // namespace ventorel::bench
