// The Japanese date as people write it: 元禄15年12月14日, 平成元年1月8日, 天保3年閏11月5日.
#pragma once

#include <string>
#include <vector>

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

}  // namespace ventorel
