// The names of the 暦注 of rekichu.h as the almanac books print them.
#pragma once

#include <string>
#include <vector>

#include "calendar/rekichu.h"
#include "data/builtin_tables.h"

namespace ventorel {

// "一白" .. "九紫" for 1..9; the others "".
const char* kyuseiName(int star);
// "建" .. "閉" for 1..12.
const char* chokuName(int choku);
// "角" .. "軫" for 1..28.
const char* shukuName(int shuku);
// "海中金" .. "大海水" for 1..30.
const char* nacchinName(int nacchin);
// "東風解凍" .. "鶏始乳" for 1..72.
const char* kouName(int index);
// "八専", "十方暮", "天一天上", "大犯土", "小犯土", "庚申", "甲子", "己巳", "土用の丑": those of the day, in this order.
std::vector<const char*> almanacDayNames(const Rekichu& rekichu);
// "丙寅": the 干支 of the day's 節月.
std::string monthSexagenaryName(const BuiltinTables& names, const Rekichu& rekichu);
// The day's 暦注 on one line: "一白 建 畢 海中金 丙寅月 八白" and the 候 and the 選日 of
// the almanac books after them, separated by blanks.
std::string rekichuLine(const BuiltinTables& names, const Rekichu& rekichu);

}  // namespace ventorel
