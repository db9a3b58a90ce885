#include "output/data_csv.h"

#include "output/names.h"
#include "output/html_escape.h"
#include "output/japanese_date_text.h"
#include "output/json_calendar.h"
#include "output/sky_texts.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

// What a column's function is given: the year, the day and the names.
struct Row {
  const CalendarYear& year;
  const CalendarDay& day;
  const BuiltinTables& names;
};

// A text field is written in double quotes and made safe for a spreadsheet; a
// plain field is one whose texts are the program's own (names of its tables,
// clock times), which never hold a quote or begin like a formula, and is written
// in double quotes as it is; a number field is written bare, and empty where the
// day has no value.
enum class Kind { Text, Plain, Number };

struct Column {
  const char* name;
  Kind kind;
  void (*value)(const Row& row, std::string& out);
};

template <typename List, typename Name>
void appendJoined(std::string& out, const List& list, Name name) {
  bool first = true;
  for (const auto& item : list) {
    if (!first) out += "・";
    out += name(item);
    first = false;
  }
}

// A rise, transit or set at the year's place; empty on a day without it.
template <std::optional<int> RiseTransitSet::*Event>
void appendSunEvent(const Row& r, std::string& out) {
  if (r.day.sun && (*r.day.sun).*Event) appendMinuteClock(out, *((*r.day.sun).*Event));
}
template <std::optional<int> RiseTransitSet::*Event>
void appendMoonEvent(const Row& r, std::string& out) {
  if (r.day.moon && (*r.day.moon).*Event) appendMinuteClock(out, *((*r.day.moon).*Event));
}

void appendNumber(std::string& out, long long n) {
  if (n >= 0 && n < 100) {  // the months, days and moon ages
    if (n >= 10) out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
    return;
  }
  if (n < 0) {
    out += '-';
    n = -n;
  }
  appendZeroPadded(out, n, 1);
}

// The columns, in the order of the file. A new column is one line here.
const Column Columns[] = {
    {"日付", Kind::Text,
     [](const Row& r, std::string& out) { appendIsoDate(out, r.year.year, r.day.month, r.day.day); }},
    {"ユリウス暦", Kind::Text,
     [](const Row& r, std::string& out) {
       if (!r.day.gregorian) appendIsoDate(out, r.day.julian.year, r.day.julian.month, r.day.julian.day);
     }},
    {"曜日", Kind::Plain, [](const Row& r, std::string& out) { out += r.names.weekdayName(0, r.day.weekday); }},
    {"和暦", Kind::Text, [](const Row& r, std::string& out) { appendJapaneseDatesText(out, r.day.japaneseDates); }},
    {"旧暦の月", Kind::Number,
     [](const Row& r, std::string& out) {
       if (r.day.lunarMonth.number) appendNumber(out, *r.day.lunarMonth.number);
     }},
    {"閏", Kind::Number, [](const Row& r, std::string& out) { out += r.day.lunarMonth.leap ? '1' : '0'; }},
    {"旧暦の日", Kind::Number, [](const Row& r, std::string& out) { appendNumber(out, r.day.lunarDay); }},
    // Holidays are shown in the Gregorian calendar only, as in every file.
    {"祝日", Kind::Text,
     [](const Row& r, std::string& out) {
       if (r.day.gregorian && r.day.holiday) out += r.day.holiday->name;
     }},
    {"二十四節気", Kind::Plain,
     [](const Row& r, std::string& out) {
       if (r.day.term) out += termName(r.names, *r.day.term);
     }},
    {"節気の時刻", Kind::Plain,
     [](const Row& r, std::string& out) {
       if (r.day.term && r.day.termInstant) appendClockText(out, *r.day.termInstant);
     }},
    {"雑節", Kind::Plain,
     [](const Row& r, std::string& out) {
       appendJoined(out, r.day.zassetsu, [&r](Zassetsu z) { return zassetsuName(z, r.year.spelling); });
     }},
    {"節句", Kind::Plain, [](const Row& r, std::string& out) { out += festivalName(r.day.festival); }},
    {"六曜", Kind::Plain, [](const Row& r, std::string& out) { out += r.names.rokuyoName[r.day.rokuyo]; }},
    {"干支", Kind::Plain,
     [](const Row& r, std::string& out) {
       out += r.names.stemName[r.day.sexagenary.stem];
       out += r.names.branchName[r.day.sexagenary.branch];
     }},
    // The four 選日 of every calendar, then those of the almanac books (八専, 庚申, ...).
    {"選日", Kind::Plain,
     [](const Row& r, std::string& out) {
       appendJoined(out, selectedDayNames(r.day, r.year.spelling), [](const char* name) { return name; });
     }},
    {"月齢", Kind::Number, [](const Row& r, std::string& out) { appendNumber(out, r.day.moonAge); }},
    {"朔の時刻", Kind::Plain,
     [](const Row& r, std::string& out) {
       if (r.day.newMoon && r.day.newMoonInstant) appendClockText(out, *r.day.newMoonInstant);
     }},
    {"九星", Kind::Plain, [](const Row& r, std::string& out) { if (r.day.rekichu) out += kyuseiName(r.day.rekichu->kyusei); }},
    {"十二直", Kind::Plain, [](const Row& r, std::string& out) { if (r.day.rekichu) out += chokuName(r.day.rekichu->choku); }},
    {"二十八宿", Kind::Plain, [](const Row& r, std::string& out) { if (r.day.rekichu) out += shukuName(r.day.rekichu->shuku); }},
    {"納音", Kind::Plain, [](const Row& r, std::string& out) { if (r.day.rekichu) out += nacchinName(r.day.rekichu->nacchin); }},
    {"節月干支", Kind::Plain,
     [](const Row& r, std::string& out) { if (r.day.rekichu) out += monthSexagenaryName(r.names, *r.day.rekichu); }},
    {"月の九星", Kind::Plain,
     [](const Row& r, std::string& out) { if (r.day.rekichu) out += kyuseiName(r.day.rekichu->monthKyusei); }},
    {"七十二候", Kind::Plain,
     [](const Row& r, std::string& out) { if (r.day.rekichu && r.day.rekichu->kou) out += kouName(r.day.rekichu->kou->index); }},
    {"七十二候の時刻", Kind::Plain,
     [](const Row& r, std::string& out) {
       if (r.day.rekichu && r.day.rekichu->kou) appendClockText(out, r.day.rekichu->kou->instant);
     }},
    // The year's facts, on every row so that a sheet of several years can be sorted.
    {"年の干支", Kind::Plain,
     [](const Row& r, std::string& out) {
       out += r.names.stemName[r.year.yearSign.stem];
       out += r.names.branchName[r.year.yearSign.branch];
     }},
    {"暦法", Kind::Text, [](const Row& r, std::string& out) { out += r.year.historicalCalendar; }},
    {"暦の基準", Kind::Plain, [](const Row& r, std::string& out) { out += basisName(r.year); }},
    // The almanac's sky at the year's place (empty beyond the precise sky).
    {"日の出", Kind::Plain, appendSunEvent<&RiseTransitSet::rise>},
    {"南中", Kind::Plain, appendSunEvent<&RiseTransitSet::transit>},
    {"日の入", Kind::Plain, appendSunEvent<&RiseTransitSet::set>},
    {"月の出", Kind::Plain, appendMoonEvent<&RiseTransitSet::rise>},
    {"月南中", Kind::Plain, appendMoonEvent<&RiseTransitSet::transit>},
    {"月の入", Kind::Plain, appendMoonEvent<&RiseTransitSet::set>},
    {"月相", Kind::Plain,
     [](const Row& r, std::string& out) { if (r.day.moonPhase) out += phaseName(r.year, r.day.moonPhase->quarter); }},
    {"月相の時刻", Kind::Plain,
     [](const Row& r, std::string& out) { if (r.day.moonPhase) appendClockText(out, r.day.moonPhase->instant); }},
};

}  // namespace

std::string dataCsv(const CalendarYear& year, const BuiltinTables& names) {
  std::string text;
  text.reserve(1024 + 320 * year.days.size());  // about 270 bytes a day
  bool first = true;
  for (const Column& column : Columns) {
    if (!first) text += ',';
    appendCsvField(text, column.name);
    first = false;
  }
  text += "\r\n";
  // `value` holds one field while it is made safe and escaped, so that no day allocates.
  std::string value;
  for (const CalendarDay& day : year.days) {
    const Row row{year, day, names};
    first = true;
    for (const Column& column : Columns) {
      if (!first) text += ',';
      first = false;
      if (column.kind != Kind::Text) {
        if (column.kind == Kind::Plain) text += '"';
        column.value(row, text);
        if (column.kind == Kind::Plain) text += '"';
        continue;
      }
      value.clear();
      column.value(row, value);
      // Texts from the data files (holiday names, eras) and dates before year 0
      // could begin with a formula character.
      text += '"';
      if (startsLikeFormula(value)) text += '\'';
      appendCsvEscaped(text, value);
      text += '"';
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace ventorel
