#include "data/builtin_tables.h"

namespace ventorel {

namespace {

constexpr const char* kTermNames[24] = {
    "春分(2月中気)", "清明(3月節気)", "穀雨(3月中気)", "立夏(4月節気)", "小満(4月中気)", "芒種(5月節気)",
    "夏至(5月中気)", "小暑(6月節気)", "大暑(6月中気)", "立秋(7月節気)", "処暑(7月中気)", "白露(8月節気)",
    "秋分(8月中気)", "寒露(9月節気)", "霜降(9月中気)", "立冬(10月節気)", "小雪(10月中気)", "大雪(11月節気)",
    "冬至(11月中気)", "小寒(12月節気)", "大寒(12月中気)", "立春(1月節気)", "雨水(1月中気)", "啓蟄(2月節気)"};

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
  for (int k = 0; k < 24; ++k) solarTermName[k] = kTermNames[k];
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
