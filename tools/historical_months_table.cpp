#include "historical_months_table.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "astro/julian_day.h"

namespace ventorel::tools {
namespace {

constexpr std::string_view kHeader = "year,leap_month,month,start_gregorian,start_jdn,days";
constexpr std::string_view kLeapMark = "閏";

// A whole decimal number filling the text (an optional leading minus).
template <typename T>
bool parseNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> out;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    out.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

// "YYYY-MM-DD" as a JDN; false when it is not such a date.
bool gregorianJdn(std::string_view text, std::int64_t& jdn) {
  int y = 0, m = 0, d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !parseNumber(text.substr(0, 4), y) ||
      !parseNumber(text.substr(5, 2), m) || !parseNumber(text.substr(8, 2), d) || m < 1 || m > 12 || d < 1 || d > 31)
    return false;
  jdn = jdnOfGregorian(y, m, d);
  // A day past the month's end (02-30) would name a day of the next month.
  return jdn < (m == 12 ? jdnOfGregorian(y + 1, 1, 1) : jdnOfGregorian(y, m + 1, 1));
}

// The fault of one line, given the month before it (or none), or "".
std::string lineFault(std::string_view line, const ReferenceMonth* previous, ReferenceMonth& month) {
  const auto f = fields(line);
  if (f.size() != 6) return "expected 6 fields";
  std::string_view label = f[2];
  month.leap = label.substr(0, kLeapMark.size()) == kLeapMark;
  if (month.leap) label.remove_prefix(kLeapMark.size());
  std::int64_t gregorian = 0;
  if (!parseNumber(f[0], month.year) || !parseNumber(f[1], month.leapMonth) || !parseNumber(label, month.month) ||
      !parseNumber(f[4], month.startJdn) || !parseNumber(f[5], month.days))
    return "a field is not a number";
  if (!gregorianJdn(f[3], gregorian)) return "start_gregorian is not a date";
  if (gregorian != month.startJdn) return "start_gregorian and start_jdn name different days";
  if (month.leapMonth < 0 || month.leapMonth > 12 || month.month < 1 || month.month > 12)
    return "month or leap_month out of range";
  if (month.leap && month.month != month.leapMonth) return "the leap month is not the year's leap_month";
  if (month.days < 1 || month.days > 30) return "month length out of range";
  if (!previous) return month.month == 1 && !month.leap ? "" : "the list does not begin with a month 1";
  if (previous->days < 29) return "only the last month may be shorter than 29 days";
  if (month.startJdn != previous->startJdn + previous->days) return "the month does not start after the previous one";
  const bool sameYear = month.year == previous->year;
  if (sameYear && month.leapMonth != previous->leapMonth) return "leap_month changes within the year";
  // The month that follows `previous` within its year, or month 1 of the next year.
  const bool leapNext = !previous->leap && previous->month == previous->leapMonth;
  const bool yearEnds = previous->month == 12 && !leapNext;
  if (yearEnds ? (month.year != previous->year + 1 || month.month != 1 || month.leap)
               : (!sameYear || month.leap != leapNext || month.month != previous->month + (leapNext ? 0 : 1)))
    return "the month is out of order";
  return "";
}

}  // namespace

ReferenceRead readReferenceMonths(std::string_view csv) {
  ReferenceRead read;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < csv.size();) {
    std::size_t end = csv.find('\n', start);
    if (end == std::string_view::npos) end = csv.size();
    std::string_view line = csv.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    if (++lineNumber == 1) {
      if (line != kHeader) read.error = "line 1: the header is not " + std::string(kHeader);
    } else {
      ReferenceMonth month{};
      const std::string fault = lineFault(line, read.months.empty() ? nullptr : &read.months.back(), month);
      if (!fault.empty()) read.error = "line " + std::to_string(lineNumber) + ": " + fault;
      read.months.push_back(month);
    }
    if (!read.error.empty()) {
      read.months.clear();
      return read;
    }
  }
  if (read.months.empty()) read.error = "no months";
  else if (read.months.back().month != 12 || (read.months.back().leapMonth == 12 && !read.months.back().leap))
    read.error = "the list does not end with a year's last month";
  if (!read.error.empty()) read.months.clear();
  return read;
}

std::string historicalMonthsTableText(const std::vector<ReferenceMonth>& months) {
  std::ostringstream out;
  out << "// The months of the Japanese lunisolar calendar as officially used, lunar years "
      << months.front().year << " to " << months.back().year << ".\n"
      << "// Made by tools/historical-months-table from data/source/kyureki_445_1872.csv: regenerate, do not edit.\n"
      << "// {year, leap month (0: none), JDN of the first day, month lengths in month order: 1 = 30 days, 0 = 29}\n";
  for (std::size_t i = 0; i < months.size();) {
    const ReferenceMonth& first = months[i];
    std::string digits;
    for (; i < months.size() && months[i].year == first.year; ++i) digits += months[i].days == 30 ? '1' : '0';
    digits.resize(13, '0');
    out << '{' << first.year << ", " << first.leapMonth << ", " << first.startJdn << ", 0b" << digits << "},\n";
  }
  const ReferenceMonth& last = months.back();
  out << '{' << last.year + 1 << ", 0, " << last.startJdn + last.days << ", 0b0000000000000},  // the day after the table\n";
  return out.str();
}

}  // namespace ventorel::tools
