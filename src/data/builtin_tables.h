// The vocabulary the calendar carries with it: term, month, weekday, stem and
// branch names, the six-day cycle, the link fragments, and the orbit elements
// the sky computations start from.
#pragma once

#include <string>

#include "data/checked_table.h"

namespace ventorel {

// Base address of the encyclopedia articles every link of the page points into.
inline constexpr const char* ArticleBaseUrl = "https://ja.wikipedia.org/wiki/";

// The calendar's time zone, UTC+9.
inline constexpr int TzHours = 9;
inline constexpr int TzMinutes = 0;

// Names and link fragments, filled once and read-only afterwards.
struct BuiltinTables {
  BuiltinTables();

  // (column, term k): column 1 the plain name "春分(2月中気)", column 0 the same with
  // the two-character term name linked.
  Table2D<std::string, 2, 24> solarTermName{"solarTermName"};
  Table<std::string, 13> monthName{"monthName"};            // 1..12: "1月".."12月"
  Table2D<std::string, 2, 7> weekdayName{"weekdayName"};    // (0, w): 日..土; (1, w): "Sun".."Sat"
  Table<std::string, 11> stemName{"stemName"};              // 1..10: 甲..癸
  Table<std::string, 13> branchName{"branchName"};          // 1..12: 子..亥
  Table<std::string, 13> zodiacAnimal{"zodiacAnimal"};      // 1..12: "（ねずみ）".."（いのしし）"
  Table<std::string, 11> stemUrlPart{"stemUrlPart"};        // percent-encoded stem followed by "%"
  Table<std::string, 13> branchUrlPart{"branchUrlPart"};    // percent-encoded branch without its first "%"
  Table<std::string, 7> rokuyoName{"rokuyoName"};           // 1..6: 先勝..赤口
  Table<int, 13> rokuyoMonthOffset{"rokuyoMonthOffset"};    // 1..12
  Table<int, 13> sanrinboBranch{"sanrinboBranch"};          // 1..12
  Table<std::string, 2> formatName{"formatName"};           // 0: "htm形式", 1: "csv形式"
};

// The link form every article link of the page takes:
// "<a href=" + ArticleBaseUrl + percent-encoded title + ">" + label + closing tag.
// The address is never quoted; fixed texts close with "</A>" or "</a>".
std::string articleLink(const std::string& title, const std::string& label, const char* closingTag = "</a>");
// The same with a target that is already percent-encoded (it may carry more than
// a title, such as "%E5%8D%97...%E4%BB%A3_(%E6%97%A5%E6%9C%AC)").
std::string encodedLink(const std::string& target, const std::string& label, const char* closingTag = "</a>");
// Only the opening "<a href=" + ArticleBaseUrl + target + ">".
std::string linkOpen(const std::string& target);

// The fixed orbit elements per body, slots 1..10 (3 = the Earth's orbit, giving
// the Sun; 10 = the Moon): the semi-major axis and the inclination. The elements
// that move (eccentricity, perihelion, node) are computed per day by the sky.
struct OrbitElements {
  OrbitElements();

  Table<double, 11> orbitA{"orbitA"};
  Table<double, 11> orbitI{"orbitI"};
};

}  // namespace ventorel
