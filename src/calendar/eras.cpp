#include "calendar/eras.h"

namespace ventorel {

namespace {

EraRecord recordOf(const EraRow& row, double year, Court court) {
  return {court, row.name, yearOfEra(row, year), row.period, row.emperor};
}

}  // namespace

std::vector<EraRecord> eraRecordsOf(double year, const ReferenceData& data) {
  std::vector<EraRecord> records;
  if (year > LastYearWithoutEra) {
    if (const EraRow* row = data.eras.eraFor(year)) records.push_back(recordOf(*row, year, Court::Main));
  }
  if (year >= FirstTwoCourtYear && year <= LastTwoCourtYear) {
    if (const EraRow* row = data.secondCourtEras.eraFor(year)) records.push_back(recordOf(*row, year, Court::Second));
  }
  return records;
}

}  // namespace ventorel
