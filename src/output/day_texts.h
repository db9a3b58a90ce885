// The texts of a calendar day in the classic files' two forms: the page's, with
// links into the encyclopedia written bare as that page always has, and the CSV
// file's, plain. The true basis's outputs take their names from output/names.h.
#pragma once

#include <string>

#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// The header line's note for a year of the true basis that the precise sky does
// not reach, computed with the classic model instead; empty otherwise.
std::string skyFallbackNote(const CalendarYear& year);

// The term, the 雑節 and the festival of the day, one after the other; the append
// form adds them to `out`.
std::string dayNote(const BuiltinTables& names, const CalendarDay& day, bool html);
void appendDayNote(std::string& out, const BuiltinTables& names, const CalendarDay& day, bool html);

// 天赦日, 一粒万倍日, 不成就日 (each followed by a wide blank), then 三隣亡.
std::string senjitsuText(const Senjitsu& senjitsu, bool html);
void appendSenjitsuText(std::string& out, const Senjitsu& senjitsu, bool html);

// The holiday's name; on the page the article link for a known name, the name
// with its markup characters escaped otherwise. Empty for none.
std::string holidayText(const std::optional<DayHoliday>& holiday, bool html);
std::string holidayHtml(const std::string& name);

// The year header's note of the historical calendar in force: "旧暦は宣明暦" after
// the CSV header's closing blank, with a blank in front and the calendar's name
// linked on the page; empty for a year without one.
std::string historicalCalendarNote(const CalendarYear& year, bool html);

}  // namespace ventorel
