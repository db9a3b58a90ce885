#include "output/csv_calendar.h"

#include "data/numbers.h"
#include "calendar/lunar_days.h"
#include "output/day_texts.h"
#include "output/era_names.h"
#include "output/html_escape.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

// One record of one field, ended by CR LF.
void appendLine(std::string& text, std::string_view field) {
  appendCsvField(text, field);
  text += "\r\n";
}

// A day's record: every field quoted, separated by commas, ended by CR LF. The
// text a data file gives (the holiday's name, also made formula-safe) and the
// notes are escaped; the other pieces are numbers and built-in names, which hold
// no double quote.
// `scratch` holds a note while it is escaped, so that no day allocates.
void appendDay(std::string& text, std::string& scratch, const BuiltinTables& names, std::string_view yearText,
               const CalendarDay& day) {
  appendPieces(text, "\"", yearText, "年  \",\"", DecimalText(day.month), "月\",\"", DecimalText(day.day), "日\",\"(",
               names.weekdayName(0, day.weekday), ")\",\"");
  if (!day.gregorian)
    appendPieces(text, "JC", DecimalText(day.julian.month), "月", DecimalText(day.julian.day), "日");
  else if (day.holiday)
    appendCsvEscaped(text, spreadsheetText(holidayText(day.holiday, false)));
  text += "\",\"";
  scratch.clear();
  appendDayNote(scratch, names, day, false);
  appendCsvEscaped(text, scratch);
  appendPieces(text, "\",\"", names.rokuyoName[day.rokuyo], "\",\"旧暦", monthName(day.lunarMonth), "\",\"",
               DecimalText(day.lunarDay), "日\",\"", names.stemName[day.sexagenary.stem],
               names.branchName[day.sexagenary.branch], "\",\"");
  scratch.clear();
  appendSenjitsuText(scratch, day.senjitsu, false);
  appendCsvEscaped(text, scratch);
  text += "\"\r\n";
}

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
  // The era records and the holiday cells begin with texts of the data files.
  for (const EraRecord& era : calendar.eras) appendLine(text, spreadsheetText(plainEraText(era)));
  // ">= 1582" here and "> 1582" on the page: see the page's header row.
  bool first = true;
  for (const char* title : {"西暦年", "月", "日", "曜日", calendar.year >= 1582 ? "祝日" : "ユリウス暦", "節気、雑節", "六曜",
                            "旧暦月", "日", "干支", "選日"}) {
    if (!first) text += ',';
    appendCsvField(text, title);
    first = false;
  }
  text += "\r\n";
  std::string scratch;
  for (const CalendarDay& day : calendar.days) appendDay(text, scratch, names, yearText, day);
  return text;
}

}  // namespace ventorel
