#include "classic/html_calendar.h"

#include "data/numbers.h"
#include "calendar/lunar_days.h"
#include "output/article_link.h"
#include "output/day_texts.h"
#include "output/era_names.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

std::string titleLine(const CalendarYear& calendar, const BuiltinTables& names) {
  const Sexagenary sign = calendar.yearSign;
  // "<HTLM>" (sic) opens the page and "</HTLM>" closes it: browsers ignore the
  // unknown tag, and the files have always been written so.
  std::string line = "<HTLM>";
  appendArticleLink(line, "西暦", "西暦", ClassicUpperLink);
  line += " ";
  if (calendar.enteredYear > 0) {
    const std::string y = trimmedNumber(calendar.year);
    appendLinkOpen(line, y + "年", ClassicLink);
    line += y;
  } else {
    // The year before 1 AD links to the article of that year BC (紀元前660年).
    appendLinkOpen(line, "紀元前" + trimmedNumber(-calendar.enteredYear) + "年", ClassicLink);
    line += trimmedNumber(calendar.enteredYear);
  }
  line += "年</a>　（";
  appendArticleLink(line, "グレゴリオ暦", "グレゴリオ暦", ClassicLink);
  line += ")　";
  appendArticleLink(line, names.stemName[sign.stem] + names.branchName[sign.branch],
                    names.stemName[sign.stem] + names.branchName[sign.branch], ClassicLink);
  line += names.zodiacAnimal[sign.branch] + "の年" + historicalCalendarNote(calendar, true) +
          skyFallbackNote(calendar) + "<br>";
  return line;
}

std::string headerRow(const CalendarYear& calendar) {
  // "> 1582" here and ">= 1582" in the CSV header: the page of 1582 heads the
  // column "ユリウス暦", the CSV file "祝日"; both are kept as they have always been.
  std::string row = "<br><table border=0><tr><td>西暦年</td><td>月日</td><td>";
  appendArticleLink(row, "曜日", "曜日", ClassicLink);
  row += "</td><td>";
  if (calendar.year > 1582) appendArticleLink(row, "国民の祝日", "祝日", ClassicLink);
  else appendArticleLink(row, "ユリウス暦", "ユリウス暦", ClassicLink);
  row += "</td><td>";
  appendArticleLink(row, "節気", "節気", ClassicUpperLink);
  row += "、";
  appendArticleLink(row, "雑節", "雑節", ClassicUpperLink);
  row += "</td><td>";
  appendArticleLink(row, "六曜", "六曜", ClassicUpperLink);
  row += "</td><td>";
  appendArticleLink(row, "旧暦", "旧暦", ClassicUpperLink);
  row += "月日</td><td>";
  appendArticleLink(row, "干支", "干支", ClassicUpperLink);
  row += "</td><td>";
  appendArticleLink(row, "選日", "選日", ClassicUpperLink);
  return row + "</td></tr>";
}

// "7月4日" into `out`, which is cleared first.
void setMonthDay(std::string& out, int month, int day) {
  out.clear();
  appendPieces(out, DecimalText(month), "月", DecimalText(day), "日");
}

// A day's row; `scratch` holds a link's title meanwhile.
void appendRow(std::string& page, std::string& scratch, const BuiltinTables& names, std::string_view yearCell,
               const CalendarDay& day) {
  setMonthDay(scratch, day.month, day.day);
  appendPieces(page, "<tr><td>", yearCell, "年</td><td>");
  if (day.gregorian)
    appendArticleLink(page, scratch, scratch, ClassicLink);
  else
    page += scratch;
  appendPieces(page, "</td><td>(", names.weekdayName(0, day.weekday), ")</td><td>");
  if (day.gregorian) {
    appendPieces(page, holidayText(day.holiday, true), "</td><td>");
  } else {
    setMonthDay(scratch, day.julian.month, day.julian.day);
    appendLinkOpen(page, scratch, ClassicLink);
    appendPieces(page, "JC", scratch, holidayText(day.holiday, true), "</a></td><td>");
  }
  const DecimalText lunarDay(day.lunarDay);
  appendDayNote(page, names, day, true);
  appendPieces(page, "</td><td>", names.rokuyoName[day.rokuyo], "</td><td>");
  // The article of the month and day; a leap month links to its ordinary month's.
  scratch.clear();
  appendPieces(scratch, "旧暦", DecimalText(day.lunarMonth.number.value_or(0)), "月", lunarDay, "日");
  appendLinkOpen(page, scratch, ClassicLink);
  appendPieces(page, "旧暦", monthName(day.lunarMonth), lunarDay, "日</a></td><td>");
  scratch.clear();
  appendPieces(scratch, names.stemName[day.sexagenary.stem], names.branchName[day.sexagenary.branch]);
  appendArticleLink(page, scratch, scratch, ClassicLink);
  page += "</td><td>";
  appendSenjitsuText(page, day.senjitsu, true);
  page += "</td></tr>";
}

}  // namespace

std::string htmlCalendar(const CalendarYear& year, const BuiltinTables& names) {
  // The page is written as one CSV record of one field, in double quotes and
  // ended by CR LF, as the files have always been; browsers show the stray
  // quotes as text before and after the table.
  std::string page;
  // Some 400 bytes a day: one allocation for the whole page.
  page.reserve(8192 + 512 * year.days.size());
  appendPieces(page, "\"", titleLine(year, names), eraLine(year), headerRow(year));
  const std::string yearCell = trimmedNumber(year.enteredYear);
  std::string scratch;
  for (const CalendarDay& day : year.days) appendRow(page, scratch, names, yearCell, day);
  page += "</table></HTLM>\"\r\n";
  return page;
}

}  // namespace ventorel
