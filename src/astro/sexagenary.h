// The sexagenary cycle (干支) of years and of days.
#pragma once

namespace ventorel {

// Stem 1..10 (1 = 甲) and branch 1..12 (1 = 子).
struct Sexagenary {
  int stem;
  int branch;
};

// The sign of a year in astronomical numbering: 2024 is 甲辰, 4 is 甲子, -1 (2 BC) is 己未.
Sexagenary yearSexagenary(double year);

// The sign of a day by its day number: day 0 (1982-08-19) is 甲戌, 2024-01-01 甲子.
Sexagenary daySexagenary(double epochDays);

}  // namespace ventorel
