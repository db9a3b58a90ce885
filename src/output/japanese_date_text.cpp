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

}  // namespace ventorel
