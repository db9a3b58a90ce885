#include "output/japanese_date_text.h"

#include "output/text_building.h"

namespace ventorel {

const char* courtName(EraCourt court) {
  switch (court) {
    case EraCourt::North: return "北朝";
    case EraCourt::South: return "南朝";
    case EraCourt::None: break;
  }
  return "";
}

namespace {

// The texts below, appended in place (a calendar file writes one a day).
void appendNumber(std::string& out, long long n) {
  if (n < 0) {
    out += '-';
    n = -n;
  }
  appendZeroPadded(out, n, 1);
}

void appendYearText(std::string& out, const JapaneseDate& date) {
  out += date.era;
  if (date.year == 1)
    out += "元";
  else
    appendNumber(out, date.year);
  out += "年";
}

void appendDateText(std::string& out, const JapaneseDate& date) {
  appendYearText(out, date);
  if (date.leap) out += "閏";
  appendNumber(out, date.month);
  out += "月";
  appendNumber(out, date.day);
  out += "日";
}

}  // namespace

std::string japaneseYearText(const JapaneseDate& date) {
  std::string text;
  appendYearText(text, date);
  return text;
}

std::string japaneseDateText(const JapaneseDate& date) {
  std::string text;
  appendDateText(text, date);
  return text;
}

void appendJapaneseDatesText(std::string& out, const std::vector<JapaneseDate>& dates) {
  bool first = true;
  for (const JapaneseDate& date : dates) {
    if (!first) out += "・";
    first = false;
    if (date.court != EraCourt::None) {
      out += courtName(date.court);
      out += ' ';
    }
    appendDateText(out, date);
  }
}

std::string japaneseDatesText(const std::vector<JapaneseDate>& dates) {
  std::string text;
  appendJapaneseDatesText(text, dates);
  return text;
}

std::string japaneseYearsText(const CalendarYear& year) {
  const std::vector<CalendarDay>& days = year.days;
  struct Span {
    JapaneseDate date;  // the first day's
    std::size_t first, last;
  };
  std::vector<Span> spans;
  for (std::size_t d = 0; d < days.size(); ++d) {
    for (const JapaneseDate& date : days[d].japaneseDates) {
      bool continued = false;
      for (Span& span : spans) {
        if (span.last + 1 == d && span.date.court == date.court && span.date.era == date.era &&
            span.date.year == date.year) {
          span.last = d;
          continued = true;
        }
      }
      if (!continued) spans.push_back({date, d, d});
    }
  }
  auto monthDay = [&](std::size_t d) {
    return std::to_string(days[d].month) + "月" + std::to_string(days[d].day) + "日";
  };
  std::string text;
  for (const Span& span : spans) {
    if (!text.empty()) text += "・";
    if (span.date.court != EraCourt::None) text += std::string(courtName(span.date.court)) + " ";
    text += japaneseYearText(span.date);
    const bool fromStart = span.first == 0, toEnd = span.last + 1 == days.size();
    if (!fromStart && !toEnd) text += "（" + monthDay(span.first) + "から" + monthDay(span.last) + "まで）";
    else if (!fromStart) text += "（" + monthDay(span.first) + "から）";
    else if (!toEnd) text += "（" + monthDay(span.last) + "まで）";
  }
  return text;
}

}  // namespace ventorel
