// The 暦注 of the Japanese almanac books: 九星, 十二直, 二十八宿, 納音, the month's
// 干支 by the 節月, the 七十二候 and the 選日 the almanacs print beside the four of
// selected_days.h. Each rule is a small pure function of the day number, the day's
// sign, the 節月 or the true terms; RekichuWalk applies them to the days of a year.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "astro/sexagenary.h"
#include "astro/year_sky.h"
#include "calendar/lunar_days.h"

namespace ventorel {

// The place 0..59 of a sign in the sexagenary cycle (0 = 甲子, 59 = 癸亥), and back.
int cyclePosition(Sexagenary sign);
Sexagenary signAtPosition(int position);

// The 干支 of 節月 `month` (1 = 寅, from 立春 .. 12 = 丑, from 小寒) of the 節年
// `setsuYear` (astronomical numbering; the year turns at 立春): "甲己の年は丙寅から".
Sexagenary monthSexagenary(double setsuYear, int month);

// 十二直 1..12 (1 = 建 .. 12 = 閉): "建は節月の支と同じ支の日、以下日ごとに除満平定執破危成納開閉、
// 節入りの日は前日の直を重ねる", which is the day's branch less the month's branch.
int chokuOf(Sexagenary day, int month);

// 二十八宿 1..28 (1 = 角 .. 28 = 軫): "二十八宿は二十八日で一巡する", 2024-01-01 being 畢; counted
// on without a break into every year, before 1685 too.
int shukuOf(double epochDays);

// 納音 1..30 (1 = 海中金 .. 30 = 大海水): "六十干支を二つずつ三十の納音に配する".
int nacchinOf(Sexagenary day);

// 年家九星 1..9 (1 = 一白 .. 9 = 九紫) of a 節年: "年の九星は立春で改まり、年ごとに一つ退く", 2024 三碧.
int yearKyuseiOf(double setsuYear);
// 月家九星 of 節月 `month` of a year of that star: "一白・四緑・七赤の年の寅月は八白、二黒・五黄・八白の年は
// 二黒、三碧・六白・九紫の年は五黄、月ごとに一つ退く".
int monthKyuseiOf(int yearKyusei, int month);

// A 夏至 or 冬至 on its JST day.
struct Solstice {
  double epochDays;
  bool winter;
};

// The last place in the cycle (0 = 甲子) of a 至 that still takes the 甲子 before it as its
// switch day; from the next place on it takes the 甲子 after. 29 (癸巳): "至が甲子の後0–29日ならその甲子、
// 30–59日なら次の甲子". Almanac books that take the 甲午 nearest the 至 as the turn of the 閏
// use 28 (壬辰): a 至 on 癸巳 then turns on the 甲午 of the next day.
inline constexpr int LastPlaceTakingEarlierKasshi = 29;

// The switch day of the 日家九星 for a 至: the 甲子 near it, by the rule above.
double kyuseiSwitchDay(double solsticeEpochDays);

// 日家九星 1..9 of a day: "冬至に近い甲子から一白・二黒…と陽遁、夏至に近い甲子から九紫・八白…と陰遁;
// 切替日の間が240日なら後の60日が閏: 30日は前の遁のまま、30日目の星 (陽遁なら三碧、陰遁なら七赤) を
// 重ねて30日は逆に進む". `solstices` in time order; 0 when the day lies before the first
// switch day or on or after the last.
int dayKyuseiOf(double epochDays, std::span<const Solstice> solstices);

// The 選日 of the almanac books beyond the four of selected_days.h, as bits of
// AlmanacDays::marks, in the order they are listed.
enum class AlmanacDay : std::uint8_t {
  Hassen,        // 八専: 壬子..癸亥 but its 間日 癸丑, 丙辰, 戊午, 壬戌
  Jippogure,     // 十方暮: 甲申..癸巳
  TenichiTenjo,  // 天一天上: 癸巳..戊申
  Daitsuchi,     // 大犯土: 庚午..丙子
  Kotsuchi,      // 小犯土: 戊寅..甲申 (丁丑 is the 間日 between the two)
  Koshin,        // 庚申
  Kinoene,       // 甲子
  Tsuchinotomi,  // 己巳
  DoyoUshi,      // 土用の丑 of the spring, autumn and winter 土用 (the summer one is a 雑節)
};
inline constexpr int AlmanacDayCount = 9;

// The 選日 of the sign alone (all but 土用の丑), as bits (1 << AlmanacDay).
std::uint16_t almanacDaysOf(Sexagenary day);

// One of the 72 候 opening on a day.
struct DayKou {
  int index = 1;  // 1 = 東風解凍 .. 72 = 鶏始乳
  JstMinute instant;
};

// The 暦注 of one day of the true basis.
struct Rekichu {
  int kyusei = 0;       // 日家九星 1..9; 0 where the switch days are not known
  int monthKyusei = 0;  // 月家九星 1..9
  int yearKyusei = 0;   // 年家九星 1..9 of the day's 節年 (the year before until 立春)
  int choku = 0;        // 十二直 1..12
  int shuku = 0;        // 二十八宿 1..28
  int nacchin = 0;      // 納音 1..30
  int setsuMonth = 0;   // 節月 1..12 (1 = 寅)
  Sexagenary monthSexagenary{1, 1};
  std::uint16_t almanacDays = 0;  // bits (1 << AlmanacDay)
  std::optional<DayKou> kou;      // on the day a 候 begins
  int currentKou = 0;             // the 候 the day lies in, 1..72; 0 where the sky places none

  bool has(AlmanacDay mark) const { return (almanacDays >> static_cast<int>(mark)) & 1; }
};

// The 暦注 of the days of the middle year of three skies, day after day.
class RekichuWalk {
 public:
  explicit RekichuWalk(const SkyTrio& skies);

  // The 年家九星 of the 節年 that begins at the year's 立春.
  int yearKyusei() const { return yearKyuseiOf(year_); }
  // The 暦注 of day d (1 = 1 January), its day number and sign; days are given in order.
  Rekichu day(int d, double epochDays, Sexagenary sign);

 private:
  const YearSky& sky_;
  double year_;
  int month_ = 0;  // the 節月 of the day before
  std::vector<Solstice> solstices_;
  std::size_t nextKou_ = 0;
  std::array<std::array<int, 2>, 3> doyo_{};  // the spring, autumn and winter 土用: first and last day
};

}  // namespace ventorel
