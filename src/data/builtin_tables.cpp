#include "data/builtin_tables.h"

#include <string>

#include "data/solar_term.h"

namespace ventorel {

namespace {

// The terms' names in the order of their numbers; the month and kind of each are
// the solar-term table's.
constexpr const char* kTermNames[SolarTermCount] = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};

// 「春分(2月中気)」: the name with its month and kind, as the tables print it.
std::string termWithMonth(int k) {
  return std::string(kTermNames[k]) + "(" + std::to_string(termMonthOf(k)) + "月" +
         (termKindOf(k) == TermKind::Principal ? "中気" : "節気") + ")";
}

constexpr const char* kWeekdaysJa[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr const char* kWeekdaysEn[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kAnimals[12] = {"（ねずみ）", "（うし）", "（とら）",   "（うさぎ）", "（たつ）", "（へび）",
                                      "（うま）",   "（ひつじ）", "（さる）", "（とり）",   "（いぬ）", "（いのしし）"};
constexpr const char* kRokuyo[6] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
constexpr int kRokuyoOffset[12] = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5};
constexpr int kSanrinbo[12] = {12, 3, 7, 12, 3, 7, 12, 3, 7, 12, 3, 7};

}  // namespace

BuiltinTables::BuiltinTables() {
  for (int k = 0; k < SolarTermCount; ++k) solarTermName[k] = termWithMonth(k);
  for (int m = 1; m <= 12; ++m) monthName[m] = std::to_string(m) + "月";
  for (int w = 0; w < 7; ++w) {
    weekdayName(0, w) = kWeekdaysJa[w];
    weekdayName(1, w) = kWeekdaysEn[w];
  }
  for (int s = 1; s <= 10; ++s) stemName[s] = kStems[s - 1];
  for (int b = 1; b <= 12; ++b) {
    branchName[b] = kBranches[b - 1];
    zodiacAnimal[b] = kAnimals[b - 1];
    rokuyoMonthOffset[b] = kRokuyoOffset[b - 1];
    sanrinboBranch[b] = kSanrinbo[b - 1];
  }
  for (int k = 1; k <= 6; ++k) rokuyoName[k] = kRokuyo[k - 1];
  formatName[0] = "htm形式";
  formatName[1] = "csv形式";
}

OrbitElements::OrbitElements() {
  orbitA[3] = 1;
  orbitI[3] = 0;
  orbitA[10] = 1.1 / 400;
  orbitI[10] = 5.129835;
}

}  // namespace ventorel
