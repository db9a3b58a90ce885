#include "output/names.h"

#include <array>
#include <iterator>
#include <stdexcept>

#include "calendar/lunar_days.h"
#include "calendar/selected_days.h"
#include "data/text.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

constexpr const char* Kyusei[] = {"一白", "二黒", "三碧", "四緑", "五黄", "六白", "七赤", "八白", "九紫"};
constexpr const char* Choku[] = {"建", "除", "満", "平", "定", "執", "破", "危", "成", "納", "開", "閉"};
constexpr const char* Shuku[] = {"角", "亢", "氐", "房", "心", "尾", "箕", "斗", "牛", "女", "虚", "危", "室", "壁",
                                 "奎", "婁", "胃", "昴", "畢", "觜", "参", "井", "鬼", "柳", "星", "張", "翼", "軫"};
constexpr const char* Nacchin[] = {"海中金", "炉中火", "大林木", "路傍土", "剣鋒金", "山頭火", "澗下水", "城頭土",
                                   "白鑞金", "楊柳木", "井泉水", "屋上土", "霹靂火", "松柏木", "長流水", "沙中金",
                                   "山下火", "平地木", "壁上土", "金箔金", "覆燈火", "天河水", "大駅土", "釵釧金",
                                   "桑柘木", "大渓水", "沙中土", "天上火", "石榴木", "大海水"};
// The 七十二候 of the 略本暦, from 立春.
constexpr const char* Kou[] = {
    "東風解凍", "黄鶯睍睆", "魚上氷",   "土脉潤起", "霞始靆",   "草木萌動", "蟄虫啓戸", "桃始笑",   "菜虫化蝶",
    "雀始巣",   "桜始開",   "雷乃発声", "玄鳥至",   "鴻雁北",   "虹始見",   "葭始生",   "霜止出苗", "牡丹華",
    "蛙始鳴",   "蚯蚓出",   "竹笋生",   "蚕起食桑", "紅花栄",   "麦秋至",   "蟷螂生",   "腐草為螢", "梅子黄",
    "乃東枯",   "菖蒲華",   "半夏生",   "温風至",   "蓮始開",   "鷹乃学習", "桐始結花", "土潤溽暑", "大雨時行",
    "涼風至",   "寒蝉鳴",   "蒙霧升降", "綿柎開",   "天地始粛", "禾乃登",   "草露白",   "鶺鴒鳴",   "玄鳥去",
    "雷乃収声", "蟄虫坏戸", "水始涸",   "鴻雁来",   "菊花開",   "蟋蟀在戸", "霜始降",   "霎時施",   "楓蔦黄",
    "山茶始開", "地始凍",   "金盞香",   "虹蔵不見", "朔風払葉", "橘始黄",   "閉塞成冬", "熊蟄穴",   "鱖魚群",
    "乃東生",   "麋角解",   "雪下出麦", "芹乃栄",   "水泉動",   "雉始雊",   "款冬華",   "水沢腹堅", "鶏始乳"};
constexpr const char* AlmanacDays[] = {"八専", "十方暮", "天一天上", "大犯土", "小犯土", "庚申", "甲子", "己巳", "土用の丑"};
static_assert(std::size(Kou) == 72 && std::size(AlmanacDays) == AlmanacDayCount);

template <std::size_t N>
const char* nameIn(const char* const (&names)[N], int n) {
  return n >= 1 && n <= static_cast<int>(N) ? names[n - 1] : "";
}

// The names the page links, and the article of each. The 選日 and 暦注 of the
// almanac books have no articles of their own.
struct ArticleOf {
  std::string_view name;
  std::string_view article;
};
constexpr ArticleOf Articles[] = {
    // 雑節
    {"節分", "節分"}, {"彼岸の入り", "彼岸"}, {"彼岸", "彼岸"}, {"彼岸明け", "彼岸"}, {"社日（春社）", "社日"},
    {"社日（秋社）", "社日"}, {"八十八夜", "八十八夜"}, {"入梅", "入梅"}, {"半夏生", "半夏生"},
    {"土用の入り", "土用"}, {"土用丑（うし）", "土用の丑の日"}, {"八朔（旧暦）", "八朔"}, {"二百十日", "二百十日"},
    {"二百二十日", "二百二十日"},
    // 節句
    {"七草", "人日"}, {"桃の節句", "上巳"}, {"端午の節句", "端午"}, {"七夕", "七夕"}, {"お盆", "お盆"},
    {"月遅れの盆", "お盆"}, {"月遅れの七夕", "七夕"}, {"菊の節句", "重陽"},
    // 選日
    {"天赦日", "天赦日"}, {"一粒万倍日", "一粒万倍日"}, {"不成就日", "不成就日"}, {"三りんぼう", "三隣亡"},
    // The holidays of the law and of the holiday file; 山の日 and スポーツの日 under
    // their own names.
    {"元日", "元日"}, {"成人の日", "成人の日"}, {"建国記念の日", "建国記念の日"}, {"春分の日", "春分の日"},
    {"昭和の日", "昭和の日"}, {"憲法記念日", "憲法記念日"}, {"みどりの日", "みどりの日"},
    {"こどもの日", "こどもの日"}, {"海の日", "海の日"}, {"敬老の日", "敬老の日"}, {"秋分の日", "秋分の日"},
    {"体育の日", "体育の日"}, {"文化の日", "文化の日"}, {"勤労感謝の日", "勤労感謝の日"},
    {"天皇誕生日", "天皇誕生日"}, {"振替休日", "振替休日"}, {"国民の休日", "国民の休日"}, {"山の日", "山の日"},
    {"スポーツの日", "スポーツの日"},
    // The single days of their own laws, linked to the article of the ceremony.
    {"昭和天皇の大喪の礼", "大喪の礼"}, {"即位礼正殿の儀", "即位礼正殿の儀"},
    {"皇太子明仁親王の結婚の儀", "結婚の儀"}, {"皇太子徳仁親王の結婚の儀", "結婚の儀"},
};

}  // namespace

std::string termName(const BuiltinTables& names, int term) { return leftChars(names.solarTermName[term], 2); }

const char* termKind(int term) { return isSectionalTerm(term) ? "節気" : "中気"; }

std::string termNote(int term) {
  std::string note = "（";
  appendZeroPadded(note, termMonthOf(term), 1);
  appendPieces(note, "月", termKind(term), "）");
  return note;
}

// Switches rather than tables indexed by the enumeration: a new enumerator is
// a compiler warning here, not a read past a table. The readings in brackets are
// part of the names as every calendar file writes them.
const char* zassetsuName(Zassetsu zassetsu, NameSpelling spelling) {
  switch (zassetsu) {
    case Zassetsu::Setsubun: return "節分";
    case Zassetsu::HiganStart: return "彼岸の入り";
    case Zassetsu::HiganWeek: return spelling == NameSpelling::Current ? "彼岸" : "彼岸会";
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

NameList senjitsuNames(const Senjitsu& senjitsu, NameSpelling spelling) {
  NameList out;
  if (senjitsu.tensha) out.push_back("天赦日");
  if (senjitsu.ichiryuManbai) out.push_back("一粒万倍日");
  if (senjitsu.fujoju) out.push_back("不成就日");
  if (senjitsu.sanrinbo) out.push_back(spelling == NameSpelling::Current ? "三りんぼう" : "三りんぽう");
  return out;
}

NameList selectedDayNames(const CalendarDay& day, NameSpelling spelling) {
  NameList out = senjitsuNames(day.senjitsu, spelling);
  if (day.rekichu)
    for (const char* name : almanacDayNames(*day.rekichu)) out.push_back(name);
  return out;
}

const char* holidayKindName(const DayHoliday& holiday) { return holiday.prewar ? "祝祭日" : "祝日"; }

const char* basisName(const CalendarYear& year) {
  if (year.basis != CalendarBasis::True) return "原典の計算";
  return year.skyFallback ? "原典の計算（精密計算の範囲外）" : "精密計算";
}

std::string_view articleFor(std::string_view name) {
  for (const ArticleOf& entry : Articles)
    if (name == entry.name) return entry.article;
  return {};
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
  return year.historicalCalendar.empty() ? phaseName(0) : AstronomicalNewMoonName;
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

const char* kyuseiName(int star) { return nameIn(Kyusei, star); }
const char* chokuName(int choku) { return nameIn(Choku, choku); }
const char* shukuName(int shuku) { return nameIn(Shuku, shuku); }
const char* nacchinName(int nacchin) { return nameIn(Nacchin, nacchin); }
const char* kouName(int index) { return nameIn(Kou, index); }

NameList almanacDayNames(const Rekichu& rekichu) {
  NameList names;
  for (int i = 0; i < AlmanacDayCount; ++i)
    if (rekichu.has(static_cast<AlmanacDay>(i))) names.push_back(AlmanacDays[i]);
  return names;
}

std::string monthSexagenaryName(const BuiltinTables& names, const Rekichu& rekichu) {
  if (rekichu.setsuMonth == 0) return {};
  return names.stemName[rekichu.monthSexagenary.stem] + names.branchName[rekichu.monthSexagenary.branch];
}

std::string rekichuLine(const BuiltinTables& names, const Rekichu& rekichu) {
  std::string line;
  auto add = [&line](std::string_view piece) {
    if (piece.empty()) return;
    if (!line.empty()) line += ' ';
    line += piece;
  };
  add(kyuseiName(rekichu.kyusei));
  add(chokuName(rekichu.choku));
  add(shukuName(rekichu.shuku));
  add(nacchinName(rekichu.nacchin));
  if (rekichu.setsuMonth != 0) add(monthSexagenaryName(names, rekichu) + "月 " + kyuseiName(rekichu.monthKyusei));
  if (rekichu.kou) add(kouName(rekichu.kou->index));
  for (const char* name : almanacDayNames(rekichu)) add(name);
  return line;
}

const char* phaseName(int quarter) {
  static constexpr std::array<const char*, 4> Names = {"朔", "上弦", "望", "下弦"};
  return Names.at(static_cast<std::size_t>(quarter));
}

const char* phaseName(const CalendarYear& year, int quarter) {
  return quarter == 0 ? newMoonName(year) : phaseName(quarter);
}

const char* eclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Total: return "皆既";
    case EclipseKind::Annular: return "金環";
    case EclipseKind::Hybrid: return "金環皆既";
    case EclipseKind::Partial: return "部分";
    case EclipseKind::Penumbral: return "半影";
  }
  return "部分";
}

const char* eclipseBodyName(EclipseBody body) { return body == EclipseBody::Sun ? "日食" : "月食"; }

}  // namespace ventorel
