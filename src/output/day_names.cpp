#include "output/day_names.h"

#include <cstdio>

#include "calendar/lunar_days.h"
#include "calendar/selected_days.h"
#include "data/text.h"

namespace ventorel {

namespace {

// In the order of the Zassetsu enumeration; the readings in brackets are part of
// the names as every calendar file writes them.
constexpr const char* ZassetsuNames[] = {"節分",     "彼岸の入り", "彼岸会",       "彼岸明け",   "社日（春社）",
                                         "社日（秋社）", "八十八夜",   "入梅",         "半夏生",     "土用丑（うし）",
                                         "八朔（旧暦）", "二百十日",   "二百二十日"};
// In the order of the Festival enumeration, after None.
constexpr const char* FestivalNames[] = {"七草", "桃の節句", "端午の節句", "七夕", "お盆", "月遅れの盆", "月遅れの七夕", "菊の節句"};

}  // namespace

std::string termName(const BuiltinTables& names, int term) { return leftChars(names.solarTermName(1, term), 2); }

const char* termKind(int term) { return isSectionalTerm(term) ? "節気" : "中気"; }

const char* zassetsuName(Zassetsu zassetsu) { return ZassetsuNames[static_cast<int>(zassetsu)]; }

const char* festivalName(Festival festival) {
  return festival == Festival::None ? "" : FestivalNames[static_cast<int>(festival) - 1];
}

std::vector<const char*> senjitsuNames(const Senjitsu& senjitsu) {
  std::vector<const char*> out;
  if (senjitsu.tensha) out.push_back("天赦日");
  if (senjitsu.ichiryuManbai) out.push_back("一粒万倍日");
  if (senjitsu.fujoju) out.push_back("不成就日");
  if (senjitsu.sanrinbo) out.push_back("三りんぽう");
  return out;
}

std::string oldDateText(const LunarMonth& month, int day) {
  return "旧暦" + monthName(month) + (month.number ? "" : "月") + std::to_string(day) + "日";
}

std::string clockText(const JstMinute& instant) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", instant.hour, instant.minute);
  return text;
}

}  // namespace ventorel
