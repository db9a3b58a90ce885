// The eras in force in a year, from the era files of both courts.
#pragma once

#include <vector>

#include "calendar/calendar_year.h"
#include "data/reference_data.h"

namespace ventorel {

// Before this year the files hold no era; the period comes from fixed ranges.
inline constexpr double LastYearWithoutEra = 644;
// The years of the two rival courts, in which the second era file applies too.
inline constexpr double FirstTwoCourtYear = 1331;
inline constexpr double LastTwoCourtYear = 1392;

// The main court's era (after 644, when a row is in force) and the second court's
// (1331..1392, when a row is in force), of a year in astronomical numbering.
std::vector<EraRecord> eraRecordsOf(double year, const ReferenceData& data);

}  // namespace ventorel
