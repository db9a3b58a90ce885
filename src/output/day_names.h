// The plain names of a day's marks, for the formats that carry names as data
// (iCalendar and JSON): no brackets, no links, no blanks between them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/year_sky.h"
#include "calendar/calendar_year.h"
#include "data/builtin_tables.h"

namespace ventorel {

// "立春" for term 21.
std::string termName(const BuiltinTables& names, int term);
// 節気 opens an old-calendar month, 中気 (the even terms from 春分) names it.
const char* termKind(int term);

const char* zassetsuName(Zassetsu zassetsu);
// Empty for Festival::None.
const char* festivalName(Festival festival);
// 天赦日, 一粒万倍日, 不成就日, 三りんぽう, in this order, those the day is.
std::vector<const char*> senjitsuNames(const Senjitsu& senjitsu);
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

}  // namespace ventorel
