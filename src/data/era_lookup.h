// The era lists read from "gen1.dat" and "gen2.dat", and the lookup of the era in
// force in a year.
#pragma once

#include <string>
#include <vector>

namespace ventorel {

inline constexpr int MaxEraRows = 2000;  // rows a data file of eras may hold

// A row of an era file: row number, first year, era, period, emperor, reading.
struct EraRow {
  std::string number;    // the row number the file gives
  double firstYear = 0;  // a whole number; rows ascend by it
  std::string name;
  std::string period;
  std::string emperor;
  std::string reading;
};

// An era file's rows, in the file's order; empty when the file was not read.
struct EraList {
  std::vector<EraRow> rows;

  // The era in force in `year`: scanning from the last row up, the first whose
  // first year is not above the year. None when no row qualifies.
  const EraRow* eraFor(double year) const;
};

// The year within the era of `row`: the first year of an era is 1.
double yearOfEra(const EraRow& row, double year);

}  // namespace ventorel
