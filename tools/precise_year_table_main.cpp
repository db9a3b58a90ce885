// precise-year-table [FILE]: solves the precise sky's events of every year
// PreciseYearTableFirstYear..LastYear and writes them, one row a year in the form
// of packYear, as the initializer the engine compiles in (precise_year_table.cpp).
// Written to FILE or standard output. The years are split over the machine's
// threads; the rows come out in year order whatever the split.
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "astro/precise_year.h"
#include "tool_files.h"

namespace {

using namespace ventorel;

// The rows of years first, first + stride, ... up to last, into rows[year - first].
void solveYears(int first, int last, int offset, int stride, std::vector<std::string>& rows, std::string& error) {
  try {
    for (int year = first + offset; year <= last; year += stride) {
      const PackedYear packed = packYear(computePreciseYearEvents(year));
      std::string& row = rows[year - first];
      row = "{";
      for (std::size_t i = 0; i < packed.size(); ++i) {
        if (i) row += ',';
        row += std::to_string(packed[i]);
      }
      row += "},\n";
    }
  } catch (const std::exception& e) {
    error = e.what();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: precise-year-table [FILE]\n";
    return 2;
  }
  constexpr int First = PreciseYearTableFirstYear, Last = PreciseYearTableLastYear;
  const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
  std::vector<std::string> rows(Last - First + 1), errors(threads);
  std::vector<std::thread> workers;
  // Interleaved years, so that each thread gets as much of the costly far past.
  for (int t = 0; t < threads; ++t)
    workers.emplace_back(solveYears, First, Last, t, threads, std::ref(rows), std::ref(errors[t]));
  for (std::thread& worker : workers) worker.join();
  for (const std::string& error : errors)
    if (!error.empty()) {
      std::cerr << "precise-year-table: " << error << "\n";
      return 1;
    }
  std::string text =
      "// Made by precise-year-table from the precise sky: per year, seconds since 00:00 JST of\n"
      "// 1 January of the 24 terms, the 6 other solar passages, the new-moon count, the new\n"
      "// moons (-1 if unused), the count of the 候 between the terms, the first one's multiple of 5\n"
      "// degrees, those 候 (-1 if unused), the phases, the eclipses and the year (see packYear).\n";
  for (const std::string& row : rows) text += row;
  return tools::writeToolOutput(text, argc == 2 ? argv[1] : nullptr, "precise-year-table");
}
