#include "output/csv_calendar.h"

#include <initializer_list>

#include "data/numbers.h"
#include "output/calendar_days.h"
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

WriteResult writeCsvCalendar(RunState& state, MessageBox& messages, Launcher& launcher) {
  WriteResult result;
  const std::string path = calendarPath(state, ".csv");
  prepareOutputYear(state);
  const BuiltinTables& names = state.names;

  std::string& text = state.lineBuffer;
  text.clear();
  const std::string yearText = trimmedNumber(state.enteredYear);
  const Sexagenary sign = yearSexagenary(state.year);
  appendRecord(text, {"西暦" + yearText + "年(ｸﾞﾚｺﾞﾘｵ暦)  " + names.stemName[sign.stem] + names.branchName[sign.branch] +
                          names.zodiacAnimal[sign.branch] + "の年　"});
  for (const std::string& era : eraRecords(state)) appendRecord(text, {era});
  appendRecord(text, {"西暦年", "月", "日", "曜日", state.year >= 1582 ? "祝日" : "ユリウス暦", "節気、雑節", "六曜",
                      "旧暦月", "日", "干支", "選日"});

  text.reserve(text.size() + 256 * 367);
  forEachCalendarDay(state, messages, false, [&](const CalendarDay& day) {
    const std::string fifth = day.gregorian ? state.dayHoliday[day.d]
                                            : "JC" + trimmedNumber(day.julian.month) + "月" +
                                                  trimmedNumber(day.julian.day) + "日";
    appendRecord(text, {yearText + "年  ", trimmedNumber(day.month) + "月", trimmedNumber(day.day) + "日",
                        "(" + names.weekdayName(0, day.weekday) + ")", fifth, state.dayNotePlain(1, day.d),
                        names.rokuyoName[day.rokuyo], "旧暦" + state.dayLunarMonth(1, day.d),
                        trimmedNumber(day.lunarDay) + "日",
                        names.stemName[day.sexagenary.stem] + names.branchName[day.sexagenary.branch], day.senjitsu});
  });

  if (!writeCalendarFile(path, text, messages, result)) return result;
  // Whether a spreadsheet opens it or not, the file is written: failures are ignored.
  launcher.openInSpreadsheet(path);
  return result;
}

}  // namespace ventorel
