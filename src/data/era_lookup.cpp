#include "data/era_lookup.h"

namespace ventorel {

const EraRow* EraList::eraFor(double year) const {
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    if (row->firstYear <= year) return &*row;
  return nullptr;
}

double yearOfEra(const EraRow& row, double year) { return year + 1 - row.firstYear; }

}  // namespace ventorel
