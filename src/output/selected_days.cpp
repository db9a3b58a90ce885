#include "output/selected_days.h"

#include "data/numbers.h"
#include "data/text.h"

namespace ventorel {

namespace {

// A festival note: "(" + before + linked word + after + ")"; the plain form has
// the word without its link.
struct Festival {
  int month;
  int day;
  const char* before;
  const char* target;  // the article, percent-encoded
  const char* word;
  const char* after;
};

// At most one festival falls on a day; they are tried in this order.
constexpr Festival Festivals[] = {
    {1, 7, "", "%E4%BA%BA%E6%97%A5", "七草", ""},
    {3, 3, "", "%E4%B8%8A%E5%B7%B3", "桃の節句", ""},
    {5, 5, "", "%E7%AB%AF%E5%8D%88", "端午", "の節句"},
    {7, 7, "", "%E4%B8%83%E5%A4%95", "七夕", ""},
    {7, 15, "", "%E3%81%8A%E7%9B%86", "お盆", ""},
    {8, 15, "月遅れの", "%E3%81%8A%E7%9B%86", "盆", ""},
    {8, 7, "月遅れの", "%E4%B8%83%E5%A4%95", "七夕", ""},
    {9, 9, "", "%E9%87%8D%E9%99%BD", "菊の節句", ""},
};

constexpr const char* WideBlank = "　";

// 不成就日: the old-calendar days of each pair of months (1 and 7, 2 and 8, ...).
constexpr int FujojuDays[6][4] = {{3, 11, 19, 27}, {2, 10, 18, 26}, {1, 9, 17, 25},
                                  {4, 12, 20, 28}, {5, 13, 21, 29}, {6, 14, 22, 30}};

// 一粒万倍日: the branches of each solar month (0 matches no branch).
constexpr int IchiryuBranches[13][2] = {{0, 0}, {2, 7}, {3, 10}, {4, 1},  {5, 4},   {7, 6}, {7, 10},
                                        {1, 0}, {9, 4}, {7, 10}, {11, 10}, {1, 12}, {1, 4}};

// 天赦日: the stem and branch of each season (spring 戊寅, summer 甲午, autumn 戊申, winter 甲子).
constexpr Sexagenary TenshaDays[4] = {{5, 3}, {1, 7}, {5, 9}, {1, 1}};

// The month number a solar-term text carries in its characters 4 and 5
// ("小寒(12月節気)" gives 12, "立春(1月節気)" gives 1); 0 for any other note.
double termMonthOf(const std::string& note) { return numericValue(midChars(note, 4, 2)); }

// True when the term at the head of the note is a sectional term (節気). Only the
// term's own bracket is looked at: notes appended after it do not hide it.
bool isSectionalTerm(const std::string& note) {
  const std::size_t close = note.find(')');
  const std::string term = close == std::string::npos ? note : note.substr(0, close + 1);
  return endsWith(term, "節気)");
}

std::string item(const char* title, const char* target, bool html) {
  if (!html) return std::string(title) + WideBlank;
  return encodedLink(target, title, "</A>") + WideBlank;
}

}  // namespace

void addFestivals(RunState& state, int d, int m, int dd, bool html) {
  for (const Festival& festival : Festivals) {
    if (festival.month == m && festival.day == dd) {
      if (html)
        state.dayNoteHtml(1, d) += std::string("(") + festival.before + encodedLink(festival.target, festival.word) +
                                   festival.after + ")";
      else
        state.dayNotePlain(1, d) += std::string("(") + festival.before + festival.word + festival.after + ")";
      return;
    }
  }
}

int lunarMonthNumber(const std::string& monthText) {
  const double n = startsWith(monthText, "閏") ? numericValue(midChars(monthText, 2, 2)) : numericValue(monthText);
  return static_cast<int>(toIndex(n));
}

std::string senjitsuOf(RunState& state, SolarMonth& solarMonth, int d, double epochDays, bool html) {
  // The days before the year's first sectional term belong to the month before it.
  if (solarMonth.value == 0) {
    for (int k = 1; k <= 20; ++k) {
      const std::string& note = state.dayNotePlain(1, k);
      const double month = termMonthOf(note);
      if (month > 0) {
        solarMonth.value = static_cast<int>(toIndex(isSectionalTerm(note) ? month - 1 : month));
        break;
      }
    }
  }
  const double month = termMonthOf(state.dayNotePlain(1, d));
  if (month > 0) solarMonth.value = static_cast<int>(toIndex(month));

  const int sm = solarMonth.value;
  const Sexagenary day = daySexagenary(epochDays);
  std::string text;
  if (sm >= 1 && sm <= 12 && day.branch == state.names.sanrinboBranch[sm])
    text = html ? encodedLink("%E4%B8%89%E9%9A%A3%E4%BA%A1", "さんりんぽう", "</A>") : "三りんぽう";

  const int lunarMonth = lunarMonthNumber(state.dayLunarMonth(1, d));
  const int lunarDay = state.dayMoonAge(1, d);
  if (lunarMonth >= 1 && lunarMonth <= 12) {
    for (const int fujoju : FujojuDays[(lunarMonth - 1) % 6]) {
      if (lunarDay == fujoju) {
        text = item("不成就日", "%E4%B8%8D%E6%88%90%E5%B0%B1%E6%97%A5", html) + text;
        break;
      }
    }
  }

  if (sm >= 1 && sm <= 12 && (day.branch == IchiryuBranches[sm][0] || day.branch == IchiryuBranches[sm][1]))
    text = item("一粒万倍日", "%E4%B8%80%E7%B2%92%E4%B8%87%E5%80%8D%E6%97%A5", html) + text;

  if (sm >= 1 && sm <= 12) {
    const Sexagenary tensha = TenshaDays[(sm - 1) / 3];
    if (day.stem == tensha.stem && day.branch == tensha.branch)
      text = item("天赦日", "%E5%A4%A9%E8%B5%A6%E6%97%A5", html) + text;
  }
  return text;
}

}  // namespace ventorel
