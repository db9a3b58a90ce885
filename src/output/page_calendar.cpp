#include "output/page_calendar.h"

#include <charconv>
#include <cstdio>

#include "ventorel/date.h"

#include "calendar/eras.h"
#include "calendar/lunar_days.h"
#include "calendar/selected_days.h"
#include "data/numbers.h"
#include "data/text.h"
#include "output/names.h"
#include "output/article_link.h"
#include "output/era_names.h"
#include "output/html_escape.h"
#include "output/japanese_date_text.h"
#include "output/page_style.h"
#include "output/sky_texts.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

constexpr int Columns = 11;

// With the place's sky the page has one more column (日の出/日の入).
int columnsOf(const CalendarYear& year) { return year.place ? Columns + 1 : Columns; }

// A link to the encyclopedia article of the title, appended.
void appendLink(std::string& out, std::string_view title, std::string_view label) {
  appendArticleLink(out, title, label, PageLink);
}

std::string link(std::string_view title, std::string_view label) { return articleLink(title, label, PageLink); }

// A name of the name table (or a holiday's), linked where it has an article.
void appendName(std::string& out, std::string_view name) {
  const std::string label = htmlEscape(name);
  const std::string_view article = articleFor(name);
  if (article.empty()) out += label;
  else appendLink(out, article, label);
}

// "2024年", or "紀元前660年" for the years before 1 AD.
std::string yearName(double enteredYear) {
  if (enteredYear > 0) return trimmedNumber(enteredYear) + "年";
  return "紀元前" + trimmedNumber(-enteredYear) + "年";
}

const EraRecord* mainEra(const CalendarYear& year) {
  for (const EraRecord& era : year.eras)
    if (era.court == Court::Main) return &era;
  return nullptr;
}

std::string title(const CalendarYear& year) {
  std::string text = yearName(year.enteredYear);
  // The Japanese years the Western year holds, without their days, each after
  // its court where the two courts count their own.
  std::string japanese;
  for (const CalendarDay& day : year.days)
    for (const JapaneseDate& date : day.japaneseDates) {
      std::string one = japaneseYearText(date);
      if (date.court != EraCourt::None) one = std::string(courtName(date.court)) + " " + one;
      if (japanese.find(one) == std::string::npos) japanese += (japanese.empty() ? "" : "・") + one;
    }
  if (!japanese.empty())
    text += "（" + htmlEscape(japanese) + "）";
  else if (const EraRecord* era = mainEra(year))
    text += "（" + htmlEscape(era->era) + trimmedNumber(era->yearOfEra) + "年）";
  return text + "の暦 — Ventorel";
}

// A whole number as printf's "%0<width>d" writes it: zeros after the sign up to the width.
void appendPadded(std::string& out, int n, int width) {
  if (n >= 0) return appendZeroPadded(out, n, width);
  out += '-';
  appendZeroPadded(out, -static_cast<long long>(n), width - 1);
}

// " 2月4日 17:27" (to the nearest minute), machine-readable where the year is one
// HTML can write.
std::string instantHtml(const char* prefix, const JstMinute& instant) {
  const JstMinute t = nearestMinute(instant);
  std::string shown = prefix;
  appendPieces(shown, DecimalText(t.month), "月", DecimalText(t.day), "日 ", DecimalText(t.hour), ":");
  appendPadded(shown, t.minute, 2);
  if (t.year < 1 || t.year > 9999) return " <span class=\"instant\">" + shown + "</span>";
  std::string html = " <time class=\"instant\" datetime=\"";
  appendPadded(html, static_cast<int>(t.year), 4);
  for (const int part : {t.month, t.day}) {
    html += '-';
    appendPadded(html, part, 2);
  }
  html += 'T';
  appendPadded(html, t.hour, 2);
  html += ':';
  appendPadded(html, t.minute, 2);
  appendPieces(html, "+09:00\">", shown, "</time>");
  return html;
}

double neighbourYear(double enteredYear, int step) { return userYearBeside(enteredYear, step); }

std::string yearNavigation(double enteredYear) {
  const double before = neighbourYear(enteredYear, -1);
  const double after = neighbourYear(enteredYear, 1);
  return "<nav class=\"years\" aria-label=\"前後の年\"><a rel=\"prev\" href=\"" + neighbourPageHref(enteredYear, -1) +
         "\">← 前年（" + yearName(before) + "）</a><a rel=\"next\" href=\"" + neighbourPageHref(enteredYear, 1) +
         "\">翌年（" + yearName(after) + "）→</a></nav>\n";
}

std::string basisText(const CalendarYear& year) {
  std::string text = std::string("暦の基準：") + basisName(year);
  if (!year.historicalCalendar.empty()) {
    text += "　旧暦は";
    appendLink(text, year.historicalCalendar, htmlEscape(year.historicalCalendar));
  }
  return text;
}

std::string yearHeader(const CalendarYear& year, const BuiltinTables& names) {
  const Sexagenary sign = year.yearSign;
  std::string html = "<header class=\"year-header\">\n<h1>" + link("西暦", "西暦") + " " +
                     link(yearName(year.enteredYear), trimmedNumber(year.enteredYear) + "年") + "（" +
                     link("グレゴリオ暦", "グレゴリオ暦") + "）　" +
                     link(names.stemName[sign.stem] + names.branchName[sign.branch],
                          names.stemName[sign.stem] + names.branchName[sign.branch]) +
                     names.zodiacAnimal[sign.branch] + "の年</h1>\n";
  const std::string japanese = japaneseYearsText(year);
  if (!japanese.empty()) html += "<p class=\"wareki\">" + link("元号", "和暦") + "：" + htmlEscape(japanese) + "</p>\n";
  const std::string eras = japanese.empty() ? eraLine(year, "　／　", PageLink) : periodLine(year, "　／　", PageLink);
  if (!eras.empty()) html += "<p class=\"era\">" + eras + "</p>\n";
  html += "<p class=\"basis\">" + basisText(year) + "</p>\n<nav class=\"months\" aria-label=\"月\">";
  for (int m = 1; m <= 12; ++m) html += std::string(m > 1 ? " " : "") + "<a href=\"#m" + std::to_string(m) + "\">" +
                                        std::to_string(m) + "月</a>";
  return html + "</nav>\n</header>\n";
}

std::string headerCell(const std::string& content) { return "<th scope=\"col\">" + content + "</th>"; }

std::string columnHeader(const CalendarYear& year) {
  // Up to 1582 the fourth column holds the Julian date, from 1583 on the holiday,
  // as on the classic page.
  // Before 1948 the holidays are the 祝祭日 of the decrees.
  const std::string fourth = year.year > 1582 ? (year.year < 1948 ? link("祝祭日", "祝祭日") : link("国民の祝日", "祝日"))
                                              : link("ユリウス暦", "ユリウス暦");
  const std::string sun = year.place ? headerCell("<small>" + link("日の出", "日の出") + " " + link("日の入り", "日の入") + "</small>") : "";
  return "<thead><tr>" + headerCell("西暦年") + headerCell("月日") + sun + headerCell(link("曜日", "曜日")) +
         headerCell(link("元号", "和暦")) + headerCell(fourth) + headerCell(link("節気", "節気") + "、" + link("雑節", "雑節")) +
         headerCell(link("六曜", "六曜")) + headerCell(link("旧暦", "旧暦") + "月日") +
         headerCell(link("干支", "干支")) + headerCell(link("選日", "選日")) +
         "<th scope=\"col\" class=\"rekichu\">" + link("暦注", "暦注") + "</th>" +
         "</tr></thead>\n";
}

std::string monthOpening(int month, int columns) {
  const std::string m = std::to_string(month);
  return "<tbody class=\"month\" id=\"m" + m + "\">\n<tr class=\"month-heading\"><td colspan=\"" +
         std::to_string(columns) + "\"><h2>" + m + "月</h2></td></tr>\n";
}

// The year's eclipses under the header: each with its kind, its greatest
// instant and magnitude, and what the place sees of it.
std::string eclipseList(const CalendarYear& year) {
  if (!year.place || year.eclipses.empty()) return "";
  std::string html = "<section class=\"eclipses\"><h2>" + link("日食", "日食") + "・" + link("月食", "月食") +
                     "</h2>\n<ul>\n";
  for (const Eclipse& e : year.eclipses) {
    html += "<li>" + std::string(eclipseKindName(e.kind)) + eclipseBodyName(e.body) +
            instantHtml("食の最大 ", e.greatest) + " 食分" + fixedText(e.magnitude, 3) + "　" +
            htmlEscape(year.place->name) + "：";
    if (e.local) {
      html += instantHtml("始め ", e.local->begin) + instantHtml("最大 ", e.local->greatest) +
              instantHtml("終わり ", e.local->end);
      if (e.body == EclipseBody::Sun) html += " 食分" + fixedText(e.local->magnitude, 3);
    } else {
      html += "見えない";
    }
    html += "</li>\n";
  }
  return html + "</ul></section>\n";
}

// "2月4日".
void appendDate(std::string& out, int month, int day) {
  char digits[16];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, month).ptr);
  out += "月";
  out.append(digits, std::to_chars(digits, digits + sizeof digits, day).ptr);
  out += "日";
}

// The compact 暦注 of a day: 九星, 十二直, 二十八宿 and 納音; on the first day of a 節月 (and
// on 1 January) the month's 干支 and star; the 候 that begins; the almanac books' 選日.
void appendRekichuCell(std::string& page, const BuiltinTables& names, const Rekichu& r, bool monthOpens) {
  appendPieces(page, kyuseiName(r.kyusei), " ", chokuName(r.choku), " ", shukuName(r.shuku), " ",
               nacchinName(r.nacchin));
  if (monthOpens && r.setsuMonth != 0)
    appendPieces(page, "<span class=\"month-sign\">", monthSexagenaryName(names, r), "月 ", kyuseiName(r.monthKyusei),
                 "</span>");
  if (r.kou) {
    appendPieces(page, "<span class=\"kou\">");
    appendLink(page, "七十二候", kouName(r.kou->index));
    page += "</span>";
  }
  const NameList marks = almanacDayNames(r);
  if (!marks.empty()) {
    page += "<span class=\"marks\">";
    for (std::size_t i = 0; i < marks.size(); ++i) appendPieces(page, i ? "・" : "", marks[i]);
    page += "</span>";
  }
}

// The day's term (with its time), 雑節 and festival, each 雑節 and festival in brackets.
void appendNote(std::string& page, const BuiltinTables& names, const CalendarDay& day, NameSpelling spelling) {
  if (day.term) {
    const std::string name = termName(names, *day.term);
    appendLink(page, name, name);
    page += termNote(*day.term);
    if (day.termInstant) page += instantHtml("", *day.termInstant);
  }
  for (const Zassetsu mark : day.zassetsu) {
    page += "（";
    appendName(page, zassetsuName(mark, spelling));
    // The time follows 土用の入り, inside its brackets.
    if (mark == Zassetsu::DoyoStart && day.doyoStartInstant) page += instantHtml("", *day.doyoStartInstant);
    page += "）";
  }
  if (day.festival != Festival::None) {
    page += "（";
    appendName(page, festivalName(day.festival));
    page += "）";
  }
}

// A day's row.
void appendRow(std::string& page, const BuiltinTables& names, NameSpelling spelling, const std::string& yearCell,
               const std::string& newMoonLead, const CalendarDay& day, bool placeSky) {
  page += "<tr class=\"day";
  if (day.weekday == 0) page += " sun";
  if (day.weekday == 6) page += " sat";
  if (day.holiday) page += " holiday";
  appendPieces(page, "\"><td class=\"year\">", yearCell, "</td><td class=\"date\">");
  std::string date;
  appendDate(date, day.month, day.day);
  if (day.gregorian)
    appendLink(page, date, date);
  else
    page += date;
  if (placeSky) {
    const RiseTransitSet sun = day.sun.value_or(RiseTransitSet{});
    appendPieces(page, "</td><td class=\"sunrise\"><small>", minuteClockOrDashes(sun.rise), " ",
                 minuteClockOrDashes(sun.set), "</small>");
  }
  appendPieces(page, "</td><td class=\"weekday\">", names.weekdayName(0, day.weekday), "</td><td class=\"wareki\">");
  page += htmlEscape(japaneseDatesText(day.japaneseDates));
  page += "</td><td class=\"holiday\">";
  if (!day.gregorian) {
    std::string julian;
    appendDate(julian, day.julian.month, day.julian.day);
    appendLink(page, julian, julian);
    page += " ";
  }
  if (day.holiday) appendName(page, day.holiday->name);
  page += "</td><td class=\"note\">";
  appendNote(page, names, day, spelling);
  appendPieces(page, "</td><td class=\"rokuyo\">", names.rokuyoName[day.rokuyo], "</td><td class=\"lunar\">");

  const DecimalText lunarDay(day.lunarDay);
  // The article of the month and day; a leap month links to its ordinary month's.
  std::string title, label;
  appendPieces(title, "旧暦", DecimalText(day.lunarMonth.number.value_or(0)), "月", lunarDay, "日");
  appendPieces(label, "旧暦", monthName(day.lunarMonth), lunarDay, "日");
  appendLink(page, title, label);
  if (day.newMoon && day.newMoonInstant) page += instantHtml(newMoonLead.c_str(), *day.newMoonInstant);
  // The other principal phases (the 朔 is the new moon's own mark above).
  if (day.moonPhase && day.moonPhase->quarter != 0)
    page += instantHtml((std::string(phaseName(day.moonPhase->quarter)) + " ").c_str(), day.moonPhase->instant);

  const std::string sign = names.stemName[day.sexagenary.stem] + names.branchName[day.sexagenary.branch];
  page += "</td><td class=\"kanshi\">";
  appendLink(page, sign, sign);
  page += "</td><td class=\"senjitsu\">";
  const NameList senjitsu = senjitsuNames(day.senjitsu, spelling);
  for (std::size_t i = 0; i < senjitsu.size(); ++i) {
    if (i) page += "・";
    appendName(page, senjitsu[i]);
  }
  page += "</td><td class=\"rekichu\">";
  if (day.rekichu)
    appendRekichuCell(page, names, *day.rekichu,
                      day.dayOfYear == 1 || (day.term && isSectionalTerm(*day.term)));
  page += "</td></tr>\n";
}

}  // namespace

std::string neighbourPageHref(double enteredYear, int step) {
  return urlEncoded(trimmedNumber(neighbourYear(enteredYear, step)) + "年カレンダー.htm");
}

std::string pageCalendar(const CalendarYear& year, const BuiltinTables& names) {
  // The whole page in one buffer: the head, the body, the end.
  std::string page;
  page.reserve(16384 + 768 * year.days.size());
  appendPieces(page,
               "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>",
               title(year), "</title>\n<style>", pageStyle(), "</style>\n</head>\n<body>\n");
  appendPieces(page, yearNavigation(year.enteredYear), yearHeader(year, names), eclipseList(year),
               "<table class=\"calendar\">\n", columnHeader(year));
  const std::string yearCell = trimmedNumber(year.enteredYear) + "年";
  const std::string newMoonLead = std::string(newMoonName(year)) + " ";
  int month = 0;
  for (const CalendarDay& day : year.days) {
    if (day.month != month) {
      if (month != 0) page += "</tbody>\n";
      month = day.month;
      page += monthOpening(month, columnsOf(year));
    }
    appendRow(page, names, year.spelling, yearCell, newMoonLead, day, year.place.has_value());
  }
  if (month != 0) page += "</tbody>\n";
  page += "</table>\n</body>\n</html>\n";
  return page;
}

}  // namespace ventorel
