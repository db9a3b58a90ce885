#include "calendar/eras.h"

namespace ventorel {

namespace {

EraRecord recordOf(const EraTable& table, int row, double year, Court court) {
  return {court, table(row, 3), yearOfEra(table, row, year), table(row, 4), table(row, 5)};
}

}  // namespace

std::vector<EraRecord> eraRecordsOf(double year, const ReferenceData& data) {
  std::vector<EraRecord> records;
  if (year > LastYearWithoutEra) {
    if (const std::optional<int> row = eraRowFor(data.eras.table, data.eras.rowCount, year))
      records.push_back(recordOf(data.eras.table, *row, year, Court::Main));
  }
  if (year >= FirstTwoCourtYear && year <= LastTwoCourtYear) {
    const EraList& second = data.secondCourtEras;
    if (const std::optional<int> row = eraRowFor(second.table, second.rowCount, year))
      records.push_back(recordOf(second.table, *row, year, Court::Second));
  }
  return records;
}

}  // namespace ventorel
