// The vocabulary the calendar carries with it: term, month, weekday, stem and
// branch names, the six-day cycle, and the orbit elements the sky computations
// start from. Plain texts only: links and markup are the outputs' (output/).
#pragma once

#include <string>

#include "data/checked_table.h"

namespace ventorel {

// The calendar's time zone, UTC+9.
inline constexpr int TzHours = 9;
inline constexpr int TzMinutes = 0;

// Names, filled once and read-only afterwards.
struct BuiltinTables {
  BuiltinTables();

  // Term k from 春分: "春分(2月中気)", the name with its month and kind.
  Table<std::string, 24> solarTermName{"solarTermName"};
  Table<std::string, 13> monthName{"monthName"};            // 1..12: "1月".."12月"
  Table2D<std::string, 2, 7> weekdayName{"weekdayName"};    // (0, w): 日..土; (1, w): "Sun".."Sat"
  Table<std::string, 11> stemName{"stemName"};              // 1..10: 甲..癸
  Table<std::string, 13> branchName{"branchName"};          // 1..12: 子..亥
  Table<std::string, 13> zodiacAnimal{"zodiacAnimal"};      // 1..12: "（ねずみ）".."（いのしし）"
  Table<std::string, 7> rokuyoName{"rokuyoName"};           // 1..6: 先勝..赤口
  Table<int, 13> rokuyoMonthOffset{"rokuyoMonthOffset"};    // 1..12
  Table<int, 13> sanrinboBranch{"sanrinboBranch"};          // 1..12
  Table<std::string, 2> formatName{"formatName"};           // 0: "htm形式", 1: "csv形式"
};

// The fixed orbit elements per body, slots 1..10 (3 = the Earth's orbit, giving
// the Sun; 10 = the Moon): the semi-major axis and the inclination. The elements
// that move (eccentricity, perihelion, node) are computed per day by the sky.
struct OrbitElements {
  OrbitElements();

  Table<double, 11> orbitA{"orbitA"};
  Table<double, 11> orbitI{"orbitI"};
};

}  // namespace ventorel
