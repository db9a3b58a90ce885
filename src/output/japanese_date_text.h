// The Japanese date as people write it: 元禄15年12月14日, 平成元年1月8日, 天保3年閏11月5日.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calendar/calendar_year.h"
#include "calendar/japanese_date.h"

namespace ventorel {

// "北朝" or "南朝"; "" for a date of no court.
const char* courtName(EraCourt court);

// The era, the year (元年 for 1), 閏 before a leap month, the month and the day.
std::string japaneseDateText(const JapaneseDate& date);

// The era and year alone: "元禄15年", "平成元年".
std::string japaneseYearText(const JapaneseDate& date);

// Every date of a day, each after its court where it has one: "南朝 延元元年2月29日・北朝 建武3年2月29日".
std::string japaneseDatesText(const std::vector<JapaneseDate>& dates);
// The same text appended to `out`.
void appendJapaneseDatesText(std::string& out, const std::vector<JapaneseDate>& dates);

// The Japanese years of a Western year, in the order they begin, each with the
// first and last day it holds where it does not hold the whole year:
// "昭和64年（1月7日まで）・平成元年（1月8日から）"; a court's years after its name
// ("北朝 建武3年（2月28日まで）"). Empty for a year without Japanese dates.
std::string japaneseYearsText(const CalendarYear& year);

}  // namespace ventorel
