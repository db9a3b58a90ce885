#include "data/era_lookup.h"

#include "data/numbers.h"

namespace ventorel {

std::optional<int> eraRowFor(const EraTable& table, int rowCount, double year) {
  for (int i = rowCount; i >= 1; --i)
    if (numericValue(table(i, 2)) <= year) return i;
  return std::nullopt;
}

double yearOfEra(const EraTable& table, int row, double year) { return year + 1 - numericValue(table(row, 2)); }

}  // namespace ventorel
