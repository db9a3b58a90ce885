// The era, the year within the era, the historical period and the emperor of the
// chosen year, for the line under the title of both calendar files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_year.h"
#include "output/article_link.h"

namespace ventorel {

// The page form of the period of the year (a link, or empty): the built-in
// prehistoric ranges tested on the entered year, then the period of the main
// court's era.
std::string periodText(double enteredYear, const EraRecord* era, LinkStyle style = ClassicLink);

// The era line of the page: era, year of era, period link, emperor; the period
// alone before the first era; the second court's era appended for 1331..1392,
// after the separator (the classic page has none).
std::string eraLine(const CalendarYear& year, std::string_view separator = "", LinkStyle style = ClassicLink);

// The era line without the eras and their years, for the true basis, whose
// Japanese years are told day by day: the period link in full-width brackets and
// the emperor, each court's.
std::string periodLine(const CalendarYear& year, std::string_view separator, LinkStyle style);

// "(" + period + ")" + emperor + "天皇", plain.
std::string plainPeriodText(const EraRecord& era);

// Era + year of era + "年(" + period + ")" + emperor + "天皇": the plain era text
// of the headers and the CSV file.
std::string plainEraText(const EraRecord& era);

}  // namespace ventorel
