#include "data/builtin_tables.h"

#include "data/text.h"

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
constexpr const char* kStemUrl[10] = {"%E7%94%B2%", "%E4%B9%99%", "%E4%B8%99%", "%E4%B8%81%", "%E6%88%8A%",
                                      "%E5%B7%B1%", "%E5%BA%9A%", "%E8%BE%9B%", "%E5%A3%AC%", "%E7%99%B8%"};
constexpr const char* kBranchUrl[12] = {"E5%AD%90", "E4%B8%91", "E5%AF%85", "E5%8D%AF", "E8%BE%B0", "E5%B7%B3",
                                        "E5%8D%88", "E6%9C%AA", "E7%94%B3", "E9%85%89", "E6%88%8C", "E4%BA%A5"};
constexpr const char* kRokuyo[6] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
constexpr int kRokuyoOffset[12] = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5};
constexpr int kSanrinbo[12] = {12, 3, 7, 12, 3, 7, 12, 3, 7, 12, 3, 7};

}  // namespace

std::string linkOpen(const std::string& target) { return std::string("<a href=") + ArticleBaseUrl + target + ">"; }

std::string encodedLink(const std::string& target, const std::string& label, const char* closingTag) {
  return linkOpen(target) + label + closingTag;
}

std::string articleLink(const std::string& title, const std::string& label, const char* closingTag) {
  return encodedLink(percentEncode(title), label, closingTag);
}

BuiltinTables::BuiltinTables() {
  for (int k = 0; k < 24; ++k) {
    const std::string plain = kTermNames[k];
    const std::string name = leftChars(plain, 2);  // the term itself, e.g. 春分
    const std::string rest = plain.substr(name.size());
    solarTermName(1, k) = plain;
    solarTermName(0, k) = articleLink(name, name, "</A>") + rest;
  }
  for (int m = 1; m <= 12; ++m) monthName[m] = std::to_string(m) + "月";
  for (int w = 0; w < 7; ++w) {
    weekdayName(0, w) = kWeekdaysJa[w];
    weekdayName(1, w) = kWeekdaysEn[w];
  }
  for (int s = 1; s <= 10; ++s) {
    stemName[s] = kStems[s - 1];
    stemUrlPart[s] = kStemUrl[s - 1];
  }
  for (int b = 1; b <= 12; ++b) {
    branchName[b] = kBranches[b - 1];
    zodiacAnimal[b] = kAnimals[b - 1];
    branchUrlPart[b] = kBranchUrl[b - 1];
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
