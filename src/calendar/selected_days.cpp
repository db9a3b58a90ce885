#include "calendar/selected_days.h"

#include <array>
#include <cstddef>

#include "data/numbers.h"

namespace ventorel {

namespace {

struct FestivalDate {
  int month;
  int day;
  Festival festival;
};

// At most one festival falls on a day; they are tried in this order.
constexpr FestivalDate Festivals[] = {
    {1, 7, Festival::Nanakusa}, {3, 3, Festival::Momo},     {5, 5, Festival::Tango},
    {7, 7, Festival::Tanabata}, {7, 15, Festival::Obon},    {8, 15, Festival::LateObon},
    {8, 7, Festival::LateTanabata}, {9, 9, Festival::Kiku},
};

// 不成就日: the old-calendar days of each pair of months (1 and 7, 2 and 8, ...).
constexpr int FujojuDays[6][4] = {{3, 11, 19, 27}, {2, 10, 18, 26}, {1, 9, 17, 25},
                                  {4, 12, 20, 28}, {5, 13, 21, 29}, {6, 14, 22, 30}};

// 一粒万倍日: the branches of each solar month (0 matches no branch), as the classic
// files have them.
constexpr int IchiryuBranches[13][2] = {{0, 0}, {2, 7}, {3, 10}, {4, 1},  {5, 4},   {7, 6}, {7, 10},
                                        {1, 0}, {9, 4}, {7, 10}, {11, 10}, {1, 12}, {1, 4}};
// The almanacs' table: 「正月丑午 二月酉寅 三月子卯 四月卯辰 五月巳午 六月酉午 七月子未 八月卯申 九月酉午 十月酉戌 十一月亥子 十二月卯子」.
// It differs from the classic one in the 申 month (七月, 立秋 to 白露) only, by its 未.
constexpr int SolarMonthOfShin = 7, AlmanacShinSecondBranch = 8;  // 8 = 未

// 天赦日: the stem and branch of each season (spring 戊寅, summer 甲午, autumn 戊申, winter 甲子).
constexpr Sexagenary TenshaDays[4] = {{5, 3}, {1, 7}, {5, 9}, {1, 1}};

}  // namespace

// The festival of each month 1..12 and day 1..31, the first of the list on its date.
constexpr auto FestivalOnDate = [] {
  std::array<std::array<Festival, 32>, 13> onDate{};
  for (const FestivalDate& date : Festivals) {
    Festival& festival = onDate[static_cast<std::size_t>(date.month)][static_cast<std::size_t>(date.day)];
    if (festival == Festival::None) festival = date.festival;
  }
  return onDate;
}();

Festival festivalOn(int m, int dd) {
  if (m >= 1 && m <= 12 && dd >= 1 && dd <= 31)
    return FestivalOnDate.at(static_cast<std::size_t>(m)).at(static_cast<std::size_t>(dd));
  for (const FestivalDate& date : Festivals)
    if (date.month == m && date.day == dd) return date.festival;
  return Festival::None;
}

Senjitsu senjitsuOf(const BuiltinTables& names, SolarMonth& solarMonth, const EarlyTerms& earlyTerms, int term,
                    Sexagenary day, int lunarMonth, int lunarDay, bool almanacTable) {
  // The days before the year's first term belong to the month before a sectional
  // term. Before 立春 that gives 0, and the search is made again the next day.
  if (solarMonth.value == 0) {
    for (int k = 1; k <= 20; ++k) {
      const int t = earlyTerms[k];
      if (t >= 0) {
        solarMonth.value = isSectionalTerm(t) ? termMonthOf(t) - 1 : termMonthOf(t);
        break;
      }
    }
  }
  if (term >= 0) solarMonth.value = termMonthOf(term);

  const int sm = solarMonth.value;
  Senjitsu senjitsu;
  if (sm >= 1 && sm <= 12 && day.branch == names.sanrinboBranch[sm]) senjitsu.sanrinbo = true;
  if (lunarMonth >= 1 && lunarMonth <= 12) {
    for (const int fujoju : FujojuDays[(lunarMonth - 1) % 6])
      if (lunarDay == fujoju) senjitsu.fujoju = true;
  }
  if (sm >= 1 && sm <= 12 && (day.branch == IchiryuBranches[sm][0] || day.branch == IchiryuBranches[sm][1]))
    senjitsu.ichiryuManbai = true;
  if (almanacTable && sm == SolarMonthOfShin && day.branch == AlmanacShinSecondBranch) senjitsu.ichiryuManbai = true;
  if (sm >= 1 && sm <= 12) {
    const Sexagenary tensha = TenshaDays[(sm - 1) / 3];
    if (day.stem == tensha.stem && day.branch == tensha.branch) senjitsu.tensha = true;
  }
  return senjitsu;
}

}  // namespace ventorel
