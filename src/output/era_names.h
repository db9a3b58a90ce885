// The era, the year within the era, the historical period and the emperor of the
// chosen year, for the line under the title of both calendar files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/run_state.h"

namespace ventorel {

// The page form of the period of the year (a link, or empty): the built-in
// prehistoric ranges tested on `enteredYear`, then the period of the era row.
std::string periodText(const RunState& state, std::optional<int> eraRow);

// The era line of the page: era, year of era, period link, emperor; the period
// alone before the first era; the second court's era appended for 1331..1392.
std::string eraLine(const RunState& state);

// The same texts in plain form, one per CSV record: none up to 644, the era from
// the first era table after that, the second court's era for 1331..1392.
std::vector<std::string> eraRecords(const RunState& state);

}  // namespace ventorel
