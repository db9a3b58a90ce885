// The names of the calendar's things as every output of the true basis writes
// them: the page, the data CSV, iCalendar, JSON and the day report all take each
// name from here, plain (no markup, no link, no blanks around it); the page links
// a name to the article articleFor gives. The classic files keep their own texts
// (output/day_texts.h).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/eclipses.h"
#include "astro/year_sky.h"
#include "calendar/calendar_year.h"
#include "calendar/rekichu.h"
#include "data/builtin_tables.h"

namespace ventorel {

// "立春" for term 21.
std::string termName(const BuiltinTables& names, int term);
// 節気 opens an old-calendar month, 中気 (the even terms from 春分) names it.
const char* termKind(int term);
// The term's month and kind in brackets, after its name: "（1月節気）".
std::string termNote(int term);

// A day's few names (its 選日 and the almanac's marks), in order, kept in place
// rather than on the heap: there are at most the four 選日 and every mark.
class NameList {
 public:
  static constexpr std::size_t Capacity = 4 + AlmanacDayCount;
  void push_back(const char* name) {
    if (count_ < Capacity) names_[count_++] = name;
  }
  const char* const* begin() const { return names_.data(); }
  const char* const* end() const { return names_.data() + count_; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const char* operator[](std::size_t i) const { return names_[i]; }

 private:
  std::array<const char*, Capacity> names_{};
  std::size_t count_ = 0;
};

// 「彼岸」 names the 中日 of the 彼岸 week, the equinox day; the classic spelling
// names its five middle days 「彼岸会」, as its files always have.
const char* zassetsuName(Zassetsu zassetsu, NameSpelling spelling);
// Empty for Festival::None.
const char* festivalName(Festival festival);
// 天赦日, 一粒万倍日, 不成就日, 三りんぼう, in this order, those the day is; the
// classic spelling is 三りんぽう, as its files always have.
NameList senjitsuNames(const Senjitsu& senjitsu, NameSpelling spelling);
// The day's 選日: senjitsuNames, then those of the almanac books (almanacDayNames).
NameList selectedDayNames(const CalendarDay& day, NameSpelling spelling);
// "祝祭日" for a holiday of the decrees before the holiday law, "祝日" after.
const char* holidayKindName(const DayHoliday& holiday);
// The basis the year was computed on: "精密計算", "原典の計算（精密計算の範囲外）"
// for a year of the true basis beyond the precise sky, "原典の計算" for classic.
const char* basisName(const CalendarYear& year);
// The title of the encyclopedia article a name of this table (or a holiday's
// name) links to on the page; empty for a name without one.
std::string_view articleFor(std::string_view name);
// "旧暦12月25日", "旧暦閏4月1日"; "旧暦月25日" for a day without a month number.
std::string oldDateText(const LunarMonth& month, int day);
void appendOldDateText(std::string& out, const LunarMonth& month, int day);
// The name of the sky's new moon in a year's outputs: 「天文朔」 in the years whose
// months are the historical calendars' (445..1872 on the true basis), whose first
// days are not the new moons of the true sky; 「朔」 otherwise.
inline constexpr const char* AstronomicalNewMoonName = "天文朔";
const char* newMoonName(const CalendarYear& year);
// "17:27": the hours and minutes of an instant (Japan Standard Time), rounded to
// the nearest minute by nearestMinute (astro/year_sky.h).
std::string clockText(const JstMinute& instant);
void appendClockText(std::string& out, const JstMinute& instant);

// The Moon's principal phases: 朔, 上弦, 望, 下弦 for quarters 0..3.
const char* phaseName(int quarter);
// The same in a year's outputs, whose new moon is newMoonName's (天文朔 in the
// years of the historical calendars).
const char* phaseName(const CalendarYear& year, int quarter);
// 皆既, 金環, 金環皆既, 部分, 半影.
const char* eclipseKindName(EclipseKind kind);
// 日食 or 月食.
const char* eclipseBodyName(EclipseBody body);

// The names of the 暦注 of rekichu.h as the almanac books print them.
// "一白" .. "九紫" for 1..9; the others "".
const char* kyuseiName(int star);
// "建" .. "閉" for 1..12.
const char* chokuName(int choku);
// "角" .. "軫" for 1..28.
const char* shukuName(int shuku);
// "海中金" .. "大海水" for 1..30.
const char* nacchinName(int nacchin);
// "東風解凍" .. "鶏始乳" for 1..72.
const char* kouName(int index);
// "八専", "十方暮", "天一天上", "大犯土", "小犯土", "庚申", "甲子", "己巳", "土用の丑": those of the day, in this order.
NameList almanacDayNames(const Rekichu& rekichu);
// "丙寅": the 干支 of the day's 節月.
std::string monthSexagenaryName(const BuiltinTables& names, const Rekichu& rekichu);
// The day's 暦注 on one line: "一白 建 畢 海中金 丙寅月 八白" and the 候 and the 選日 of
// the almanac books after them, separated by blanks.
std::string rekichuLine(const BuiltinTables& names, const Rekichu& rekichu);

}  // namespace ventorel
