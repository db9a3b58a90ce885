// The era tables read from "gen1.dat" and "gen2.dat", and the lookup of the era
// in force in a year.
#pragma once

#include <optional>
#include <string>

#include "data/checked_table.h"

namespace ventorel {

inline constexpr int MaxEraRows = 2000;  // rows a data file of eras may hold

// Rows 1..count, columns 1..6: 1 row number, 2 first year, 3 era name, 4 period,
// 5 emperor, 6 reading.
using EraTable = Table2D<std::string, MaxEraRows + 1, 7>;

// The era in force in `year`: scanning from the last row read down to row 1, the
// first row whose first year (numeric value of column 2) is not above the year.
// None when no row qualifies.
std::optional<int> eraRowFor(const EraTable& table, int rowCount, double year);

// The year within the era of row `row`: the first year of an era is 1.
double yearOfEra(const EraTable& table, int row, double year);

}  // namespace ventorel
