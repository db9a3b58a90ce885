#include "output/day_texts.h"

#include "data/text.h"
#include "output/article_link.h"
#include "output/html_escape.h"
#include "output/names.h"

namespace ventorel {

std::string skyFallbackNote(const CalendarYear& year) {
  return year.skyFallback ? "（精密計算の範囲外：原典の計算）" : "";
}

namespace {

// One mark in its two forms: the page's (linked where it has a link) and the CSV's.
struct Mark {
  std::string html;
  std::string plain;
};

// In the order of the Zassetsu enumeration.
const Mark ZassetsuMarks[] = {
    {"(" + articleLink("節分", "節分", ClassicUpperLink) + ")", "(節分)"},
    {"(" + articleLink("彼岸", "彼岸", ClassicLink) + "の入り)", "(彼岸の入り)"},
    {"(彼岸会)", "(彼岸会)"},
    {"(彼岸明け)", "(彼岸明け)"},
    {"(" + articleLink("社日", "社日", ClassicLink) + "（春社）)", "(社日（春社）)"},
    {"(" + articleLink("社日", "社日", ClassicLink) + "（秋社）)", "(社日（秋社）)"},
    {"(" + articleLink("八十八夜", "八十八夜", ClassicUpperLink) + ")", "(八十八夜)"},
    {"（" + articleLink("入梅", "入梅", ClassicUpperLink) + "）", "（入梅）"},
    {"（" + articleLink("半夏生", "半夏生", ClassicUpperLink) + "）", "（半夏生）"},
    {"(" + articleLink("土用", "土用", ClassicLink) + "の入り)", "(土用の入り)"},
    {"(" + articleLink("土用の丑の日", "土用丑", ClassicUpperLink) + "(うし))",
     "(土用丑（うし）)"},
    {"(" + articleLink("八朔", "八朔", ClassicLink) + "（旧暦）)", "(八朔（旧暦）)"},
    {"(" + articleLink("二百十日", "二百十日", ClassicUpperLink) + ")", "(二百十日)"},
    {"(" + articleLink("二百二十日", "二百二十日", ClassicUpperLink) + ")", "(二百二十日)"},
};

// A festival note: "(" + before + linked word + after + ")"; the plain form has
// the word without its link.
struct FestivalText {
  const char* before;
  const char* article;
  const char* word;
  const char* after;
};

// In the order of the Festival enumeration, after None.
constexpr FestivalText FestivalTexts[] = {
    {"", "人日", "七草", ""},
    {"", "上巳", "桃の節句", ""},
    {"", "端午", "端午", "の節句"},
    {"", "七夕", "七夕", ""},
    {"", "お盆", "お盆", ""},
    {"月遅れの", "お盆", "盆", ""},
    {"月遅れの", "七夕", "七夕", ""},
    {"", "重陽", "菊の節句", ""},
};

constexpr const char* WideBlank = "　";

// The 選日 in their two forms, in the order they are written: 天赦日, 一粒万倍日 and
// 不成就日 followed by a wide blank, then 三隣亡.
const Mark SenjitsuMarks[] = {
    {articleLink("天赦日", "天赦日", ClassicUpperLink) + WideBlank, std::string("天赦日") + WideBlank},
    {articleLink("一粒万倍日", "一粒万倍日", ClassicUpperLink) + WideBlank,
     std::string("一粒万倍日") + WideBlank},
    {articleLink("不成就日", "不成就日", ClassicUpperLink) + WideBlank,
     std::string("不成就日") + WideBlank},
    {articleLink("三隣亡", "さんりんぽう", ClassicUpperLink), "三りんぽう"},
};

void appendFestivalText(std::string& out, Festival festival, bool html) {
  if (festival == Festival::None) return;
  const FestivalText& f = FestivalTexts[static_cast<int>(festival) - 1];
  out += '(';
  out += f.before;
  if (html) appendArticleLink(out, f.article, f.word, ClassicLink);
  else out += f.word;
  out += f.after;
  out += ')';
}

}  // namespace

void appendDayNote(std::string& out, const BuiltinTables& names, const CalendarDay& day, bool html) {
  if (day.term) {
    // "春分(2月中気)", on the page with the term's two characters linked.
    const std::string& text = names.solarTermName[*day.term];
    const std::string name = leftChars(text, 2);
    if (html) appendArticleLink(out, name, name, ClassicUpperLink);
    else out += name;
    out += std::string_view(text).substr(name.size());
  }
  for (const Zassetsu mark : day.zassetsu) {
    const Mark& m = ZassetsuMarks[static_cast<int>(mark)];
    out += html ? m.html : m.plain;
  }
  appendFestivalText(out, day.festival, html);
}

std::string dayNote(const BuiltinTables& names, const CalendarDay& day, bool html) {
  std::string note;
  appendDayNote(note, names, day, html);
  return note;
}

void appendSenjitsuText(std::string& out, const Senjitsu& senjitsu, bool html) {
  const bool kinds[] = {senjitsu.tensha, senjitsu.ichiryuManbai, senjitsu.fujoju, senjitsu.sanrinbo};
  for (int i = 0; i < 4; ++i)
    if (kinds[i]) out += html ? SenjitsuMarks[i].html : SenjitsuMarks[i].plain;
}

std::string senjitsuText(const Senjitsu& senjitsu, bool html) {
  std::string text;
  appendSenjitsuText(text, senjitsu, html);
  return text;
}

std::string holidayHtml(const std::string& name) {
  const std::string_view article = articleFor(name);
  return article.empty() ? htmlEscape(name) : articleLink(article, name, ClassicUpperLink);
}

std::string holidayText(const std::optional<DayHoliday>& holiday, bool html) {
  if (!holiday) return {};
  return html ? holidayHtml(holiday->name) : holiday->name;
}

std::string historicalCalendarNote(const CalendarYear& year, bool html) {
  if (year.historicalCalendar.empty()) return {};
  return std::string(html ? WideBlank : "") + "旧暦は" +
         (html ? articleLink(year.historicalCalendar, year.historicalCalendar, ClassicLink) : year.historicalCalendar);
}

}  // namespace ventorel
