#include "output/rekichu_names.h"

#include <iterator>

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

}  // namespace

const char* kyuseiName(int star) { return nameIn(Kyusei, star); }
const char* chokuName(int choku) { return nameIn(Choku, choku); }
const char* shukuName(int shuku) { return nameIn(Shuku, shuku); }
const char* nacchinName(int nacchin) { return nameIn(Nacchin, nacchin); }
const char* kouName(int index) { return nameIn(Kou, index); }

std::vector<const char*> almanacDayNames(const Rekichu& rekichu) {
  std::vector<const char*> names;
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

}  // namespace ventorel
