#include "classic/csv_calendar.h"

#include <array>

#include "data/numbers.h"
#include "calendar/lunar_days.h"
#include "output/day_texts.h"
#include "output/names.h"
#include "output/era_names.h"
#include "output/html_escape.h"
#include "output/japanese_date_text.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

// One record of one field, ended by CR LF.
void appendLine(std::string& text, std::string_view field) {
  appendCsvField(text, field);
  text += "\r\n";
}

// The pieces of the day records that recur, each with the separators that follow
// it, made the first time a file needs them: a day's record is then a dozen
// appends. A value outside a table's usual range is written piece by piece.
class RecordPieces {
 public:
  // `japaneseDates`: a last field holds the day's Japanese date (the true basis).
  RecordPieces(const BuiltinTables& names, std::string_view yearText, bool japaneseDates)
      : names_(names), japaneseDates_(japaneseDates) {
    appendPieces(start_, "\"", yearText, "年  \",\"");
  }

  void appendDay(std::string& text, std::string& scratch, const CalendarDay& day) {
    appendCached(text, month_, day.month,
                 [&](std::string& out) { appendPieces(out, start_, DecimalText(day.month), "月\",\""); });
    appendCached(text, day_, day.day, [&](std::string& out) { appendPieces(out, DecimalText(day.day), "日\",\"("); });
    appendCached(text, weekday_, day.weekday,
                 [&](std::string& out) { appendPieces(out, names_.weekdayName(0, day.weekday), ")\",\""); });
    if (!day.gregorian)
      appendPieces(text, "JC", DecimalText(day.julian.month), "月", DecimalText(day.julian.day), "日");
    else if (day.holiday)
      appendCsvEscaped(text, spreadsheetText(holidayText(day.holiday, false)));
    scratch.clear();
    appendDayNote(scratch, names_, day, false);
    // Most days have no note: its empty field comes with the 六曜's piece.
    const bool noNote = scratch.empty();
    if (!noNote) {
      text += "\",\"";
      appendCsvEscaped(text, scratch);
    }
    appendCached(text, noNote ? rokuyoAfterEmptyNote_ : rokuyo_, day.rokuyo, [&](std::string& out) {
      appendPieces(out, noNote ? "\",\"\",\"" : "\",\"", names_.rokuyoName[day.rokuyo], "\",\"旧暦");
    });
    const LunarMonth& month = day.lunarMonth;
    const bool usual = month.number && *month.number >= 1 && *month.number <= 12;
    appendCached(text, lunarMonth_, usual ? (month.leap ? 13 : 0) + *month.number : -1,
                 [&](std::string& out) { appendPieces(out, monthName(month), "\",\""); });
    appendCached(text, lunarDay_, day.lunarDay,
                 [&](std::string& out) { appendPieces(out, DecimalText(day.lunarDay), "日\",\""); });
    const Sexagenary sign = day.sexagenary;
    const bool inTables = sign.stem >= 0 && sign.stem <= 10 && sign.branch >= 0 && sign.branch <= 12;
    appendCached(text, sign_, inTables ? sign.stem * 13 + sign.branch : -1, [&](std::string& out) {
      appendPieces(out, names_.stemName[sign.stem], names_.branchName[sign.branch], "\",\"");
    });
    const Senjitsu& senjitsu = day.senjitsu;
    const int kinds = senjitsu.tensha | senjitsu.ichiryuManbai << 1 | senjitsu.fujoju << 2 | senjitsu.sanrinbo << 3;
    appendCached(text, senjitsu_, kinds, [&](std::string& out) {
      appendCsvEscaped(out, senjitsuText(senjitsu, false));
      out += '"';
    });
    if (japaneseDates_) {
      text += ",\"";
      appendCsvEscaped(text, japaneseDatesText(day.japaneseDates));
      text += '"';
    }
    if (day.rekichu) appendRekichuFields(text, *day.rekichu);
    text += "\r\n";
  }

  // The true basis's 暦注, after the classic fields: 九星, 十二直, 二十八宿, 納音, 節月干支,
  // 月の九星, the 候 that begins with its time, and the 選日 of the almanac books.
  void appendRekichuFields(std::string& text, const Rekichu& r) {
    appendPieces(text, ",\"", kyuseiName(r.kyusei), "\",\"", chokuName(r.choku), "\",\"", shukuName(r.shuku), "\",\"",
                 nacchinName(r.nacchin), "\",\"", monthSexagenaryName(names_, r), "\",\"", kyuseiName(r.monthKyusei),
                 "\",\"");
    if (r.kou) {
      appendPieces(text, kouName(r.kou->index), " ");
      appendClockText(text, r.kou->instant);
    }
    text += "\",\"";
    for (const char* name : almanacDayNames(r)) appendPieces(text, name, "　");
    text += '"';
  }

 private:
  // Appends the piece of `index`, made by `make` into the cache the first time;
  // an index outside the cache is made into the text directly.
  template <std::size_t N, typename Make>
  static void appendCached(std::string& text, std::array<std::string, N>& cache, int index, Make make) {
    if (index < 0 || index >= static_cast<int>(N)) {
      make(text);
      return;
    }
    std::string& piece = cache[static_cast<std::size_t>(index)];
    if (piece.empty()) make(piece);
    text += piece;
  }

  const BuiltinTables& names_;
  const bool japaneseDates_;
  std::string start_;                     // the year field and the comma
  std::array<std::string, 13> month_;     // the year field, "1月","
  std::array<std::string, 32> day_;       // "1日","(
  std::array<std::string, 7> weekday_;    // "日)","
  std::array<std::string, 7> rokuyo_;     // ","先勝","旧暦
  std::array<std::string, 7> rokuyoAfterEmptyNote_;  // ","","先勝","旧暦
  std::array<std::string, 26> lunarMonth_;  // "5月","; from 13 the leap months
  std::array<std::string, 31> lunarDay_;  // "1日","
  std::array<std::string, 11 * 13> sign_;  // "甲子",": stem * 13 + branch
  std::array<std::string, 16> senjitsu_;  // the 選日 and its closing quote, by the four flags
};

}  // namespace

std::string csvCalendar(const CalendarYear& calendar, const BuiltinTables& names) {
  std::string text;
  // Under 100 bytes a day: one allocation for the whole file.
  text.reserve(2048 + 128 * calendar.days.size());
  const std::string yearText = trimmedNumber(calendar.enteredYear);
  const Sexagenary sign = calendar.yearSign;
  appendCsvField(text, "西暦", yearText, "年(ｸﾞﾚｺﾞﾘｵ暦)  ", names.stemName[sign.stem], names.branchName[sign.branch],
                 names.zodiacAnimal[sign.branch], "の年　", historicalCalendarNote(calendar, false),
                 skyFallbackNote(calendar));
  text += "\r\n";
  // The era records and the holiday cells begin with texts of the data files. The
  // true basis names the Japanese years with their days, then each court's period and emperor.
  const std::string japanese = japaneseYearsText(calendar);
  if (!japanese.empty()) appendLine(text, spreadsheetText("和暦：" + japanese));
  for (const EraRecord& era : calendar.eras)
    appendLine(text, spreadsheetText(japanese.empty() ? plainEraText(era) : plainPeriodText(era)));
  // ">= 1582" here and "> 1582" on the page: see the page's header row.
  bool first = true;
  for (const char* title : {"西暦年", "月", "日", "曜日", calendar.year >= 1582 ? "祝日" : "ユリウス暦", "節気、雑節", "六曜",
                            "旧暦月", "日", "干支", "選日", "和暦"}) {
    if (std::string_view(title) == "和暦" && japanese.empty()) break;
    if (!first) text += ',';
    appendCsvField(text, title);
    first = false;
  }
  if (!calendar.days.empty() && calendar.days.front().rekichu)
    for (const char* title : {"九星", "十二直", "二十八宿", "納音", "節月干支", "月の九星", "七十二候", "暦注の選日"}) {
      text += ',';
      appendCsvField(text, title);
    }
  text += "\r\n";
  // A day's record: every field quoted, separated by commas, ended by CR LF. The
  // text a data file gives (the holiday's name, also made formula-safe) and the
  // notes are escaped; the other pieces are numbers and built-in names, which hold
  // no double quote. `scratch` holds a note while it is escaped, so that no day
  // allocates.
  RecordPieces pieces(names, yearText, !japanese.empty());
  std::string scratch;
  for (const CalendarDay& day : calendar.days) pieces.appendDay(text, scratch, day);
  return text;
}

}  // namespace ventorel
