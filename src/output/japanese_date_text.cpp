#include "output/japanese_date_text.h"

namespace ventorel {

const char* courtName(EraCourt court) {
  switch (court) {
    case EraCourt::North: return "北朝";
    case EraCourt::South: return "南朝";
    case EraCourt::None: break;
  }
  return "";
}

std::string japaneseYearText(const JapaneseDate& date) {
  return date.era + (date.year == 1 ? std::string("元") : std::to_string(date.year)) + "年";
}

std::string japaneseDateText(const JapaneseDate& date) {
  return japaneseYearText(date) + (date.leap ? "閏" : "") + std::to_string(date.month) + "月" +
         std::to_string(date.day) + "日";
}

std::string japaneseDatesText(const std::vector<JapaneseDate>& dates) {
  std::string text;
  for (const JapaneseDate& date : dates) {
    if (!text.empty()) text += "・";
    if (date.court != EraCourt::None) text += std::string(courtName(date.court)) + " ";
    text += japaneseDateText(date);
  }
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
