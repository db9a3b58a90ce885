#include "output/csv_calendar.h"

#include <initializer_list>

#include "data/numbers.h"
#include "calendar/lunar_days.h"
#include "output/day_texts.h"
#include "output/era_names.h"
#include "output/html_escape.h"

namespace ventorel {

namespace {

// One record: every field quoted, separated by commas, ended by CR LF.
void appendRecord(std::string& text, std::initializer_list<std::string> fields) {
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) text += ',';
    text += csvField(field);
    first = false;
  }
  text += "\r\n";
}

}  // namespace

std::string csvCalendar(const CalendarYear& calendar, const BuiltinTables& names) {
  std::string text;
  const std::string yearText = trimmedNumber(calendar.enteredYear);
  const Sexagenary sign = calendar.yearSign;
  appendRecord(text, {"西暦" + yearText + "年(ｸﾞﾚｺﾞﾘｵ暦)  " + names.stemName[sign.stem] + names.branchName[sign.branch] +
                          names.zodiacAnimal[sign.branch] + "の年　" + historicalCalendarNote(calendar, false) +
                          skyFallbackNote(calendar)});
  // The era records and the holiday cells begin with texts of the data files.
  for (const EraRecord& era : calendar.eras) appendRecord(text, {spreadsheetText(plainEraText(era))});
  // ">= 1582" here and "> 1582" on the page: see the page's header row.
  appendRecord(text, {"西暦年", "月", "日", "曜日", calendar.year >= 1582 ? "祝日" : "ユリウス暦", "節気、雑節", "六曜",
                      "旧暦月", "日", "干支", "選日"});

  text.reserve(text.size() + 256 * 367);
  for (const CalendarDay& day : calendar.days) {
    const std::string fifth = day.gregorian ? spreadsheetText(holidayText(day.holiday, false))
                                            : "JC" + trimmedNumber(day.julian.month) + "月" +
                                                  trimmedNumber(day.julian.day) + "日";
    appendRecord(text, {yearText + "年  ", trimmedNumber(day.month) + "月", trimmedNumber(day.day) + "日",
                        "(" + names.weekdayName(0, day.weekday) + ")", fifth, dayNote(names, day, false),
                        names.rokuyoName[day.rokuyo], "旧暦" + monthName(day.lunarMonth),
                        trimmedNumber(day.lunarDay) + "日",
                        names.stemName[day.sexagenary.stem] + names.branchName[day.sexagenary.branch],
                        senjitsuText(day.senjitsu, false)});
  }
  return text;
}

}  // namespace ventorel
