// historical-months-table CSV [FILE]: turns the reference list of historical
// months CSV into the compiled-in table, written to FILE or standard output.
#include <iostream>

#include "historical_months_table.h"
#include "tool_files.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: historical-months-table CSV [FILE]\n";
    return 2;
  }
  const auto csv = ventorel::tools::readFileBytes(argv[1]);
  if (!csv) {
    std::cerr << "historical-months-table: cannot read " << argv[1] << "\n";
    return 1;
  }
  const auto read = ventorel::tools::readReferenceMonths(*csv);
  if (!read.error.empty()) {
    std::cerr << "historical-months-table: " << argv[1] << ": " << read.error << "\n";
    return 1;
  }
  return ventorel::tools::writeToolOutput(ventorel::tools::historicalMonthsTableText(read.months),
                                          argc == 3 ? argv[2] : nullptr, "historical-months-table");
}
