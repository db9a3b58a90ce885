// The compiled-in table of historical months (src/data/historical_months_table.inc)
// made from the reference list of every month of 445..1872 (data/source/
// kyureki_445_1872.csv: year, leap_month, month, start_gregorian, start_jdn, days).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ventorel::tools {

// One month as the reference lists it.
struct ReferenceMonth {
  int year;
  int leapMonth;  // the year's leap month, 0 if none
  int month;      // 1..12
  bool leap;      // the label was 閏<month>
  std::int64_t startJdn;
  int days;
};

// The months of a reference list, or the first fault found in it (line number and
// what is wrong). Besides the form of each line it checks what the table relies
// on: consecutive years of 12 or 13 months in order, each month starting the day
// after the previous one ends, 29 or 30 days (only the last month may be shorter),
// and the Gregorian date naming the same day as the JDN.
struct ReferenceRead {
  std::vector<ReferenceMonth> months;
  std::string error;  // empty when the list is sound
};
ReferenceRead readReferenceMonths(std::string_view csv);

// The text of historical_months_table.inc for a sound list: one initializer row
// per lunar year and a final row whose first day is the day after the last month.
std::string historicalMonthsTableText(const std::vector<ReferenceMonth>& months);

}  // namespace ventorel::tools
