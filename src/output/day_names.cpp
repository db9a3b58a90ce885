#include "output/day_names.h"

#include <stdexcept>

#include "calendar/lunar_days.h"
#include "calendar/selected_days.h"
#include "data/text.h"
#include "output/text_building.h"

namespace ventorel {

std::string termName(const BuiltinTables& names, int term) { return leftChars(names.solarTermName(1, term), 2); }

const char* termKind(int term) { return isSectionalTerm(term) ? "節気" : "中気"; }

// Switches rather than tables indexed by the enumeration: a new enumerator is
// a compiler warning here, not a read past a table. The readings in brackets are
// part of the names as every calendar file writes them.
const char* zassetsuName(Zassetsu zassetsu) {
  switch (zassetsu) {
    case Zassetsu::Setsubun: return "節分";
    case Zassetsu::HiganStart: return "彼岸の入り";
    case Zassetsu::HiganWeek: return "彼岸会";
    case Zassetsu::HiganEnd: return "彼岸明け";
    case Zassetsu::SpringShanichi: return "社日（春社）";
    case Zassetsu::AutumnShanichi: return "社日（秋社）";
    case Zassetsu::Hachijuhachiya: return "八十八夜";
    case Zassetsu::Nyubai: return "入梅";
    case Zassetsu::Hangesho: return "半夏生";
    case Zassetsu::DoyoStart: return "土用の入り";
    case Zassetsu::DoyoUshi: return "土用丑（うし）";
    case Zassetsu::Hassaku: return "八朔（旧暦）";
    case Zassetsu::Nihyakutoka: return "二百十日";
    case Zassetsu::Nihyakuhatsuka: return "二百二十日";
  }
  throw std::out_of_range("unknown 雑節 " + std::to_string(static_cast<int>(zassetsu)));
}

const char* festivalName(Festival festival) {
  switch (festival) {
    case Festival::None: return "";
    case Festival::Nanakusa: return "七草";
    case Festival::Momo: return "桃の節句";
    case Festival::Tango: return "端午の節句";
    case Festival::Tanabata: return "七夕";
    case Festival::Obon: return "お盆";
    case Festival::LateObon: return "月遅れの盆";
    case Festival::LateTanabata: return "月遅れの七夕";
    case Festival::Kiku: return "菊の節句";
  }
  throw std::out_of_range("unknown festival " + std::to_string(static_cast<int>(festival)));
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
  std::string text;
  appendOldDateText(text, month, day);
  return text;
}

void appendOldDateText(std::string& out, const LunarMonth& month, int day) {
  appendPieces(out, "旧暦", monthName(month), month.number ? "" : "月");
  appendZeroPadded(out, day, 1);
  out += "日";
}

const char* newMoonName(const CalendarYear& year) {
  return year.historicalCalendar.empty() ? "朔" : AstronomicalNewMoonName;
}

std::string clockText(const JstMinute& instant) {
  std::string text;
  appendClockText(text, instant);
  return text;
}

void appendClockText(std::string& out, const JstMinute& instant) {
  const JstMinute shown = nearestMinute(instant);
  appendZeroPadded(out, shown.hour, 2);
  out += ':';
  appendZeroPadded(out, shown.minute, 2);
}

}  // namespace ventorel
