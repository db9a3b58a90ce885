#include "calendar/rekichu.h"

#include <cmath>
#include <utility>

#include "astro/day_count.h"
#include "calendar/selected_days.h"

namespace ventorel {

namespace {

// x modulo n in 0..n-1, for day numbers and years of any size and sign.
int positiveMod(double x, int n) {
  // Day numbers are whole and well inside a long long: the integer remainder, a
  // few times each day, is much cheaper than fmod and the same.
  if (std::fabs(x) < 1e15) {
    const auto whole = static_cast<long long>(x);
    if (static_cast<double>(whole) == x) {
      const long long r = whole % n;
      return static_cast<int>(r < 0 ? r + n : r);
    }
  }
  const double r = std::fmod(x, n);
  return static_cast<int>(r < 0 ? r + n : r);
}

// The star `steps` stars on from `star` (negative steps go back): 九紫 is followed by 一白.
int starAfter(int star, int steps) { return positiveMod(star - 1 + steps, 9) + 1; }

// The branch 1..12 of 節月 `month`: 寅 (3) for the month of 立春.
int monthBranch(int month) { return (month + 1) % 12 + 1; }

constexpr int Ushi = 2;
constexpr int HalfYear = 180, Leap = 30;  // days of a 遁 and of each half of the 閏

// The day number of day d (1 = 1 January) of a year.
double epochDayOf(double year, int d) { return daysBeforeYear(year) + d - 1 - EpochOffset; }

}  // namespace

// "甲子から癸亥まで六十": the place whose remainders by 10 and 12 are the stem's and the branch's.
int cyclePosition(Sexagenary sign) { return positiveMod(6 * (sign.stem - 1) - 5 * (sign.branch - 1), 60); }

Sexagenary signAtPosition(int position) {
  const int p = positiveMod(position, 60);
  return {p % 10 + 1, p % 12 + 1};
}

// "甲己の年は丙寅、乙庚は戊寅、丙辛は庚寅、丁壬は壬寅、戊癸は甲寅から月ごとに進む".
Sexagenary monthSexagenary(double setsuYear, int month) {
  const int yearStem = yearSexagenary(setsuYear).stem;
  const int tigerStem = ((yearStem - 1) % 5 * 2 + 2) % 10;  // 0-based: 丙 is 2
  return {(tigerStem + month - 1) % 10 + 1, monthBranch(month)};
}

// "建は月の支の日から": the day's branch less the month's.
int chokuOf(Sexagenary day, int month) { return positiveMod(day.branch - monthBranch(month), 12) + 1; }

// "二十八日で一巡": day 0 (1982-08-19) is 角, so 2024-01-01 (day 15110) is 畢.
int shukuOf(double epochDays) { return positiveMod(epochDays, 28) + 1; }

// "甲子乙丑海中金、丙寅丁卯炉中火…": a name for each pair of places.
int nacchinOf(Sexagenary day) { return cyclePosition(day) / 2 + 1; }

// "立春で改まり年ごとに退く": 1864 (甲子) is 一白.
int yearKyuseiOf(double setsuYear) {
  const int place = positiveMod(1865 - setsuYear, 9);
  return place == 0 ? 9 : place;
}

// "寅月は八白・二黒・五黄、月ごとに退く".
int monthKyuseiOf(int yearKyusei, int month) {
  constexpr int TigerStar[3] = {8, 2, 5};
  return starAfter(TigerStar[(yearKyusei - 1) % 3], -(month - 1));
}

// "至が甲子の後0–29日ならその甲子、30–59日なら次の甲子".
double kyuseiSwitchDay(double solsticeEpochDays) {
  const int place = positiveMod(solsticeEpochDays + 10, 60);  // day 0 is 甲戌, the 10th
  return place <= LastPlaceTakingEarlierKasshi ? solsticeEpochDays - place : solsticeEpochDays + 60 - place;
}

// "陽遁は一白から進み、陰遁は九紫から退く; 240日の間は後の60日が閏".
int dayKyuseiOf(double epochDays, std::span<const Solstice> solstices) {
  if (solstices.empty()) return 0;
  double end = kyuseiSwitchDay(solstices[0].epochDays);
  for (std::size_t i = 0; i + 1 < solstices.size(); ++i) {
    const double start = end;
    end = kyuseiSwitchDay(solstices[i + 1].epochDays);
    if (epochDays < start || epochDays >= end) continue;
    const int n = static_cast<int>(epochDays - start);
    const int direction = solstices[i].winter ? 1 : -1;
    const int first = solstices[i].winter ? 1 : 9;
    if (end - start > HalfYear && n >= HalfYear + Leap) {
      // The 30th day of the 閏 (三碧 in a 陽遁, 七赤 in a 陰遁) repeats, and the stars turn.
      const int turn = starAfter(first, direction * (HalfYear + Leap - 1));
      return starAfter(turn, -direction * (n - HalfYear - Leap));
    }
    return starAfter(first, direction * n);
  }
  return 0;
}

// "八専は壬子から癸亥の十二日、間日を除く八日; 十方暮は甲申から癸巳; 天一天上は癸巳から戊申;
// 大犯土は庚午から丙子、丁丑を間日に小犯土は戊寅から甲申".
std::uint16_t almanacDaysOf(Sexagenary day) {
  const int p = cyclePosition(day);
  std::uint16_t marks = 0;
  auto mark = [&marks](AlmanacDay d) { marks |= static_cast<std::uint16_t>(1u << static_cast<int>(d)); };
  constexpr int KishiCho = 49, HinoeTatsu = 52, TsuchinoeUma = 54, MizunoeInu = 58;  // the 間日 of 八専
  if (p >= 48 && p != KishiCho && p != HinoeTatsu && p != TsuchinoeUma && p != MizunoeInu) mark(AlmanacDay::Hassen);
  if (p >= 20 && p <= 29) mark(AlmanacDay::Jippogure);
  if (p >= 29 && p <= 44) mark(AlmanacDay::TenichiTenjo);
  if (p >= 6 && p <= 12) mark(AlmanacDay::Daitsuchi);
  if (p >= 14 && p <= 20) mark(AlmanacDay::Kotsuchi);
  if (p == 56) mark(AlmanacDay::Koshin);
  if (p == 0) mark(AlmanacDay::Kinoene);
  if (p == 5) mark(AlmanacDay::Tsuchinotomi);
  return marks;
}

RekichuWalk::RekichuWalk(const SkyTrio& skies) : sky_(skies[1]), year_(skies[1].year) {
  for (const YearSky& sky : skies)
    for (const SolarTerm term : {SolarTerm::Geshi, SolarTerm::Toji})
      if (sky.dayOf(term) > 0) solstices_.push_back({epochDayOf(sky.year, sky.dayOf(term)), term == SolarTerm::Toji});
  // The days before the year's first term lie in the month before a 節, or in the month of a 中気.
  for (int d = 1; d <= sky_.lastDay; ++d) {
    const int t = sky_.termOnDay[d];
    if (t < 0) continue;
    month_ = isSectionalTerm(t) ? (termMonthOf(t) + 10) % 12 + 1 : termMonthOf(t);
    break;
  }
  // The 土用 of spring, autumn and winter: from the Sun at 27, 207 and 297 degrees to the day before the next 立.
  constexpr std::pair<int, SolarTerm> Seasons[3] = {{0, SolarTerm::Rikka}, {2, SolarTerm::Ritto}, {3, SolarTerm::Risshun}};
  for (int i = 0; i < 3; ++i) {
    const auto [season, nextStart] = Seasons[i];
    const int start = sky_.doyoStartDay[season];
    if (start > 0) doyo_[static_cast<std::size_t>(i)] = {start, sky_.dayOf(nextStart) - 1};
  }
}

Rekichu RekichuWalk::day(int d, double epochDays, Sexagenary sign) {
  const int t = sky_.termOnDay[d];
  if (t >= 0 && isSectionalTerm(t)) month_ = termMonthOf(t);
  Rekichu r;
  const int risshun = sky_.dayOf(SolarTerm::Risshun);
  const double setsuYear = risshun > 0 && d >= risshun ? year_ : year_ - 1;
  if (month_ >= 1) {
    r.setsuMonth = month_;
    r.monthSexagenary = monthSexagenary(setsuYear, month_);
    r.choku = chokuOf(sign, month_);
    r.monthKyusei = monthKyuseiOf(yearKyuseiOf(setsuYear), month_);
  }
  r.yearKyusei = yearKyuseiOf(setsuYear);
  r.kyusei = dayKyuseiOf(epochDays, solstices_);
  r.shuku = shukuOf(epochDays);
  r.nacchin = nacchinOf(sign);
  r.almanacDays = almanacDaysOf(sign);
  if (sign.branch == Ushi)
    for (const auto& [first, last] : doyo_)
      if (d >= first && d <= last) r.almanacDays |= static_cast<std::uint16_t>(1u << static_cast<int>(AlmanacDay::DoyoUshi));
  const std::vector<SkyKou>& kous = sky_.kous;
  while (nextKou_ < kous.size() && kous[nextKou_].day < d) ++nextKou_;
  if (nextKou_ < kous.size() && kous[nextKou_].day == d) r.kou = DayKou{kous[nextKou_].index, kous[nextKou_].instant};
  // Before the year's first 候 the day lies in the one before it, which began the year before.
  if (r.kou) r.currentKou = r.kou->index;
  else if (nextKou_ > 0) r.currentKou = kous[nextKou_ - 1].index;
  else if (!kous.empty()) r.currentKou = (kous.front().index + 70) % 72 + 1;
  return r;
}

}  // namespace ventorel
