#include "classic/html_calendar.h"

#include "data/numbers.h"
#include "calendar/lunar_days.h"
#include "output/day_texts.h"
#include "output/era_names.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

std::string titleLine(const CalendarYear& calendar, const BuiltinTables& names) {
  const Sexagenary sign = calendar.yearSign;
  // "<HTLM>" (sic) opens the page and "</HTLM>" closes it: browsers ignore the
  // unknown tag, and the files have always been written so.
  std::string line = "<HTLM>" + linkOpen("%E8%A5%BF%E6%9A%A6") + "西暦</A> ";
  if (calendar.enteredYear > 0) {
    const std::string y = trimmedNumber(calendar.year);
    line += linkOpen(y + "%E5%B9%B4") + y;
  } else {
    // The year before 1 AD links to the article of that year BC (紀元前660年).
    line += linkOpen("%E7%B4%80%E5%85%83%E5%89%8D" + trimmedNumber(-calendar.enteredYear) + "%E5%B9%B4") +
            trimmedNumber(calendar.enteredYear);
  }
  line += "年</a>　（" + linkOpen("%E3%82%B0%E3%83%AC%E3%82%B4%E3%83%AA%E3%82%AA%E6%9A%A6") + "グレゴリオ暦</a>)　";
  line += linkOpen(names.stemUrlPart[sign.stem] + names.branchUrlPart[sign.branch]) + names.stemName[sign.stem] +
          names.branchName[sign.branch] + "</a>" + names.zodiacAnimal[sign.branch] + "の年" +
          historicalCalendarNote(calendar, true) + skyFallbackNote(calendar) + "<br>";
  return line;
}

std::string headerRow(const CalendarYear& calendar) {
  // "> 1582" here and ">= 1582" in the CSV header: the page of 1582 heads the
  // column "ユリウス暦", the CSV file "祝日"; both are kept as they have always been.
  std::string fourth = calendar.year > 1582
                           ? linkOpen("%E5%9B%BD%E6%B0%91%E3%81%AE%E7%A5%9D%E6%97%A5") + "祝日</a></td><td>"
                           : linkOpen("%E3%83%A6%E3%83%AA%E3%82%A6%E3%82%B9%E6%9A%A6") + "ユリウス暦</a></td><td>";
  return "<br><table border=0><tr><td>西暦年</td><td>月日</td><td>" + linkOpen("%E6%9B%9C%E6%97%A5") +
         "曜日</a></td><td>" + fourth + linkOpen("%E7%AF%80%E6%B0%97") + "節気</A>、" + linkOpen("%E9%9B%91%E7%AF%80") +
         "雑節</A></td><td>" + linkOpen("%E5%85%AD%E6%9B%9C") + "六曜</A></td><td>" + linkOpen("%E6%97%A7%E6%9A%A6") +
         "旧暦</A>月日</td><td>" + linkOpen("%E5%B9%B2%E6%94%AF") + "干支</A></td><td>" + linkOpen("%E9%81%B8%E6%97%A5") +
         "選日</A></td></tr>";
}

// The opening of an article link up to its target: the target, then ">".
constexpr std::string_view LinkStart = "<a href=https://ja.wikipedia.org/wiki/";
static_assert(LinkStart.substr(8) == ArticleBaseUrl);

void appendRow(std::string& page, const BuiltinTables& names, std::string_view yearCell, const CalendarDay& day) {
  const DecimalText m(day.month);
  const DecimalText dd(day.day);
  appendPieces(page, "<tr><td>", yearCell, "年</td><td>");
  if (day.gregorian)
    appendPieces(page, LinkStart, m, "%E6%9C%88", dd, "%E6%97%A5>", m, "月", dd, "日</a></td><td>");
  else
    appendPieces(page, m, "月", dd, "日</td><td>");
  appendPieces(page, "(", names.weekdayName(0, day.weekday), ")</td><td>");
  if (day.gregorian) {
    appendPieces(page, holidayText(day.holiday, true), "</td><td>");
  } else {
    const DecimalText jm(day.julian.month);
    const DecimalText jd(day.julian.day);
    appendPieces(page, LinkStart, jm, "%E6%9C%88", jd, "%E6%97%A5>", "JC", jm, "月", jd, "日",
                 holidayText(day.holiday, true), "</a></td><td>");
  }
  const DecimalText lunarDay(day.lunarDay);
  appendDayNote(page, names, day, true);
  appendPieces(page, "</td><td>", names.rokuyoName[day.rokuyo], "</td><td>", LinkStart,
               "%E6%97%A7%E6%9A%A6", DecimalText(day.lunarMonth.number.value_or(0)), "%E6%9C%88", lunarDay,
               "%E6%97%A5>", "旧暦", monthName(day.lunarMonth), lunarDay, "日</a></td><td>");
  const int s = day.sexagenary.stem;
  const int b = day.sexagenary.branch;
  appendPieces(page, LinkStart, names.stemUrlPart[s], names.branchUrlPart[b], ">", names.stemName[s],
               names.branchName[b], "</a></td><td>");
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
  for (const CalendarDay& day : year.days) appendRow(page, names, yearCell, day);
  page += "</table></HTLM>\"\r\n";
  return page;
}

}  // namespace ventorel
