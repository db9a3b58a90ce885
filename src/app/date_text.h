// Reading the date a user types: an ISO date, a Julian date marked J, or a
// Japanese date in Arabic, full-width or kanji numerals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/japanese_date.h"
#include "ventorel/date.h"

namespace ventorel {

// A Japanese date as written, not yet checked against the calendar.
struct WrittenJapaneseDate {
  EraCourt court = EraCourt::None;  // 北朝 or 南朝 written in front, or none
  std::string era;
  std::int64_t year = 0;
  bool leap = false;
  int month = 0;
  int day = 0;
};

// "1703-01-30", "-0659-02-11" (astronomical years, as ISO 8601 numbers them) and
// "J1582-06-21" (Julian); blanks around it are ignored. None for another form; a
// date of that form that does not exist is returned as written, not ok().
std::optional<Date> readWesternDate(std::string_view text);

// The value of a number in Arabic digits or in kanji numerals (十五, 二十, 百二,
// 〇 as a digit: 二〇二四); none for anything else.
std::optional<std::int64_t> numberValue(std::string_view text);

// "元禄15年12月14日", "南朝 正平5年4月18日", "天保三年閏十一月五日": the era is the
// longest of `eraNames` the text starts with (after the court); the year may be 元.
// None when the text is not of this form.
std::optional<WrittenJapaneseDate> readJapaneseDate(std::string_view text, const std::vector<std::string>& eraNames);

// The text with full-width digits, signs and blanks made ASCII, blanks around it removed.
std::string normalizedDateText(std::string_view text);

}  // namespace ventorel
