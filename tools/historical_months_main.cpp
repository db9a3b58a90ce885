// historical-months-table CSV [FILE]: turns the reference list of historical
// months CSV into the compiled-in table, written to FILE or standard output.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "historical_months_table.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: historical-months-table CSV [FILE]\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "historical-months-table: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream csv;
  csv << in.rdbuf();
  const auto read = ventorel::tools::readReferenceMonths(csv.str());
  if (!read.error.empty()) {
    std::cerr << "historical-months-table: " << argv[1] << ": " << read.error << "\n";
    return 1;
  }
  const std::string text = ventorel::tools::historicalMonthsTableText(read.months);
  if (argc == 2) {
    std::cout << text;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "historical-months-table: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
