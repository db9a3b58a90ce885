#include "output/day_report.h"

#include <cstdio>

#include "output/names.h"
#include "output/japanese_date_text.h"
#include "output/json_calendar.h"
#include "output/sky_texts.h"

namespace ventorel {

namespace {

void line(std::string& out, const char* label, const std::string& value) {
  if (value.empty()) return;
  out += label;
  out += "：";
  out += value;
  out += '\n';
}

template <typename List, typename Name>
std::string joined(const List& list, Name name) {
  std::string text;
  for (const auto& item : list) {
    if (!text.empty()) text += "・";
    text += name(item);
  }
  return text;
}

}  // namespace

std::string dayReport(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names) {
  std::string out;
  line(out, "日付", isoDate(year.year, day.month, day.day) + "（" + names.weekdayName(0, day.weekday) + "）");
  if (!day.gregorian) line(out, "ユリウス暦", isoDate(day.julian.year, day.julian.month, day.julian.day));
  line(out, "和暦", japaneseDatesText(day.japaneseDates));
  line(out, "旧暦", oldDateText(day.lunarMonth, day.lunarDay).substr(std::string("旧暦").size()));
  if (!year.historicalCalendar.empty()) line(out, "暦法", year.historicalCalendar);
  if (day.gregorian && day.holiday) line(out, holidayKindName(*day.holiday), day.holiday->name);
  if (day.term) {
    std::string term = termName(names, *day.term);
    if (day.termInstant) term += " " + clockText(*day.termInstant);
    line(out, "二十四節気", term);
  }
  line(out, "雑節", joined(day.zassetsu, [&](Zassetsu z) {
         std::string name = zassetsuName(z, year.spelling);
         if (z == Zassetsu::DoyoStart && day.doyoStartInstant) name += " " + clockText(*day.doyoStartInstant);
         return name;
       }));
  if (day.festival != Festival::None) line(out, "節句", festivalName(day.festival));
  line(out, "六曜", names.rokuyoName[day.rokuyo]);
  line(out, "干支", names.stemName[day.sexagenary.stem] + names.branchName[day.sexagenary.branch]);
  line(out, "選日", joined(selectedDayNames(day, year.spelling), [](const char* n) { return std::string(n); }));
  // The age at noon where the sky gives the new moons' instants, else the day count.
  if (day.noonMoonAge) {
    char age[16];
    std::snprintf(age, sizeof age, "%.1f", *day.noonMoonAge);
    line(out, "月齢", age);
  } else {
    line(out, "月齢", std::to_string(day.moonAge));
  }
  if (day.newMoon)
    line(out, newMoonName(year), day.newMoonInstant ? clockText(*day.newMoonInstant) : std::string("この日"));
  // The 暦注 of the almanac books (true basis).
  if (const auto& r = day.rekichu) {
    line(out, "九星", std::string("日 ") + kyuseiName(r->kyusei) + "・月 " + kyuseiName(r->monthKyusei) + "・年 " +
                          kyuseiName(r->yearKyusei));
    line(out, "十二直", chokuName(r->choku));
    line(out, "二十八宿", shukuName(r->shuku));
    line(out, "納音", nacchinName(r->nacchin));
    line(out, "節月", monthSexagenaryName(names, *r) + (r->setsuMonth != 0 ? "月" : ""));
    std::string kou = kouName(r->currentKou);
    if (r->kou) kou += "（この日 " + clockText(r->kou->instant) + " から）";
    line(out, "七十二候", kou);
  }
  // The true basis's sky: the phase at its nearest minute, and the rises and sets at the place.
  if (day.moonPhase) line(out, "朔弦望", std::string(phaseName(year, day.moonPhase->quarter)) + " " + clockText(day.moonPhase->instant));
  auto riseSet = [&](const char* label, const std::optional<RiseTransitSet>& events, const char* rise,
                     const char* transit, const char* set) {
    if (!events) return;
    std::string text = std::string(rise) + " " + minuteClockOrDashes(events->rise) + "　" + transit + " " +
                       minuteClockOrDashes(events->transit) + "　" + set + " " + minuteClockOrDashes(events->set);
    if (year.place) text += "（" + year.place->name + "）";
    line(out, label, text);
  };
  riseSet("太陽", day.sun, "日の出", "南中", "日の入");
  riseSet("月", day.moon, "月の出", "南中", "月の入");
  for (const Eclipse& e : year.eclipses) {
    const JstMinute& g = e.local ? e.local->greatest : e.greatest;
    if (g.year != year.year || g.month != day.month || g.day != day.day) continue;
    std::string text = std::string(eclipseKindName(e.kind)) + eclipseBodyName(e.body) + " 食分 " +
                       fixedText(e.magnitude, 3);
    if (e.local)
      text += "（" + (year.place ? year.place->name : std::string()) + " 始め " + clockText(e.local->begin) + " 最大 " +
              clockText(e.local->greatest) + " 終わり " + clockText(e.local->end) + "）";
    else if (year.place)
      text += "（" + year.place->name + "では見えない）";
    line(out, "日食・月食", text);
  }
  return out;
}

}  // namespace ventorel
