#include "output/day_texts.h"

#include "output/html_escape.h"

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
    {"(" + encodedLink("%E7%AF%80%E5%88%86", "節分", "</A>") + ")", "(節分)"},
    {"(" + encodedLink("%E5%BD%BC%E5%B2%B8", "彼岸", "</a>") + "の入り)", "(彼岸の入り)"},
    {"(彼岸会)", "(彼岸会)"},
    {"(彼岸明け)", "(彼岸明け)"},
    {"(" + encodedLink("%E7%A4%BE%E6%97%A5", "社日", "</a>") + "（春社）)", "(社日（春社）)"},
    {"(" + encodedLink("%E7%A4%BE%E6%97%A5", "社日", "</a>") + "（秋社）)", "(社日（秋社）)"},
    {"(" + encodedLink("%E5%85%AB%E5%8D%81%E5%85%AB%E5%A4%9C", "八十八夜", "</A>") + ")", "(八十八夜)"},
    {"（" + encodedLink("%E5%85%A5%E6%A2%85", "入梅", "</A>") + "）", "（入梅）"},
    {"（" + encodedLink("%E5%8D%8A%E5%A4%8F%E7%94%9F", "半夏生", "</A>") + "）", "（半夏生）"},
    {"(" + encodedLink("%E5%9C%9F%E7%94%A8", "土用", "</a>") + "の入り)", "(土用の入り)"},
    {"(" + encodedLink("%E5%9C%9F%E7%94%A8%E3%81%AE%E4%B8%91%E3%81%AE%E6%97%A5", "土用丑", "</A>") + "(うし))",
     "(土用丑（うし）)"},
    {"(" + encodedLink("%E5%85%AB%E6%9C%94", "八朔", "</a>") + "（旧暦）)", "(八朔（旧暦）)"},
    {"(" + encodedLink("%E4%BA%8C%E7%99%BE%E5%8D%81%E6%97%A5", "二百十日", "</A>") + ")", "(二百十日)"},
    {"(" + encodedLink("%E4%BA%8C%E7%99%BE%E4%BA%8C%E5%8D%81%E6%97%A5", "二百二十日", "</A>") + ")", "(二百二十日)"},
};

// A festival note: "(" + before + linked word + after + ")"; the plain form has
// the word without its link.
struct FestivalText {
  const char* before;
  const char* target;  // the article, percent-encoded
  const char* word;
  const char* after;
};

// In the order of the Festival enumeration, after None.
constexpr FestivalText FestivalTexts[] = {
    {"", "%E4%BA%BA%E6%97%A5", "七草", ""},
    {"", "%E4%B8%8A%E5%B7%B3", "桃の節句", ""},
    {"", "%E7%AB%AF%E5%8D%88", "端午", "の節句"},
    {"", "%E4%B8%83%E5%A4%95", "七夕", ""},
    {"", "%E3%81%8A%E7%9B%86", "お盆", ""},
    {"月遅れの", "%E3%81%8A%E7%9B%86", "盆", ""},
    {"月遅れの", "%E4%B8%83%E5%A4%95", "七夕", ""},
    {"", "%E9%87%8D%E9%99%BD", "菊の節句", ""},
};

constexpr const char* WideBlank = "　";

// Holiday names the page links to their articles, in the order they are compared.
// 山の日 and スポーツの日 follow the original names because the holiday file
// follows the current law.
constexpr const char* LinkedHolidays[] = {
    "元日",     "成人の日", "建国記念の日", "春分の日",   "昭和の日",     "憲法記念日",
    "みどりの日", "こどもの日", "海の日",       "敬老の日",   "秋分の日",     "体育の日",
    "文化の日", "勤労感謝の日", "天皇誕生日", "振替休日", "国民の休日", "山の日",
    "スポーツの日"};

// Holiday names of single days set by their own laws, linked to the article of
// the ceremony; the others are shown as plain text.
constexpr struct {
  const char* name;
  const char* article;
} CeremonyHolidays[] = {
    {"昭和天皇の大喪の礼", "大喪の礼"},
    {"即位礼正殿の儀", "即位礼正殿の儀"},
    {"皇太子明仁親王の結婚の儀", "結婚の儀"},
    {"皇太子徳仁親王の結婚の儀", "結婚の儀"},
};

// The 選日 in their two forms, in the order they are written: 天赦日, 一粒万倍日 and
// 不成就日 followed by a wide blank, then 三隣亡.
const Mark SenjitsuMarks[] = {
    {encodedLink("%E5%A4%A9%E8%B5%A6%E6%97%A5", "天赦日", "</A>") + WideBlank, std::string("天赦日") + WideBlank},
    {encodedLink("%E4%B8%80%E7%B2%92%E4%B8%87%E5%80%8D%E6%97%A5", "一粒万倍日", "</A>") + WideBlank,
     std::string("一粒万倍日") + WideBlank},
    {encodedLink("%E4%B8%8D%E6%88%90%E5%B0%B1%E6%97%A5", "不成就日", "</A>") + WideBlank,
     std::string("不成就日") + WideBlank},
    {encodedLink("%E4%B8%89%E9%9A%A3%E4%BA%A1", "さんりんぽう", "</A>"), "三りんぽう"},
};

void appendFestivalText(std::string& out, Festival festival, bool html) {
  if (festival == Festival::None) return;
  const FestivalText& f = FestivalTexts[static_cast<int>(festival) - 1];
  out += '(';
  out += f.before;
  if (html) out += encodedLink(f.target, f.word);
  else out += f.word;
  out += f.after;
  out += ')';
}

}  // namespace

void appendDayNote(std::string& out, const BuiltinTables& names, const CalendarDay& day, bool html) {
  if (day.term) out += names.solarTermName(html ? 0 : 1, *day.term);
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
  for (const char* known : LinkedHolidays)
    if (name == known) return articleLink(name, name, "</A>");
  for (const auto& ceremony : CeremonyHolidays)
    if (name == ceremony.name) return articleLink(ceremony.article, name, "</A>");
  return htmlEscape(name);
}

std::string holidayText(const std::optional<DayHoliday>& holiday, bool html) {
  if (!holiday) return {};
  return html ? holidayHtml(holiday->name) : holiday->name;
}

std::string historicalCalendarNote(const CalendarYear& year, bool html) {
  if (year.historicalCalendar.empty()) return {};
  return std::string(html ? WideBlank : "") + "旧暦は" +
         (html ? articleLink(year.historicalCalendar, year.historicalCalendar) : year.historicalCalendar);
}

}  // namespace ventorel
