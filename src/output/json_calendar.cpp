#include "output/json_calendar.h"

#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "calendar/selected_days.h"
#include "data/text.h"
#include "output/names.h"
#include "output/japanese_date_text.h"
#include "output/sky_texts.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

// The document is written straight into one buffer, record by record, in the
// compact form nlohmann JSON's dump() gives (no blanks, keys in the order
// below). nlohmann JSON still serialises the rare string that needs escaping or
// is not valid UTF-8, so those come out (or fail) exactly as its dump() does.

bool needsEscape(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\') return true;
  return !isValidUtf8(text);
}

void appendString(std::string& out, std::string_view text) {
  if (needsEscape(text)) {
    out += nlohmann::json(std::string(text)).dump();
    return;
  }
  out += '"';
  out.append(text);
  out += '"';
}

void appendInteger(std::string& out, long long n) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

void appendStringOrNull(std::string& out, bool present, std::string_view text) {
  if (present)
    appendString(out, text);
  else
    out += "null";
}

void appendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

// A number with one decimal ("19.1"), or null.
void appendTenths(std::string& out, const std::optional<double>& value) {
  if (!value) {
    out += "null";
    return;
  }
  char digits[32];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, *value, std::chars_format::fixed, 1).ptr);
}

// "17:27" or null.
void appendClock(std::string& out, const std::optional<JstMinute>& instant) {
  if (instant)
    appendString(out, clockText(*instant));
  else
    out += "null";
}

// An array: "[", the items as appendItem writes them, separated by commas, "]".
template <typename Items, typename AppendItem>
void appendArray(std::string& out, const Items& items, AppendItem appendItem) {
  out += '[';
  bool first = true;
  for (const auto& item : items) {
    if (!first) out += ',';
    appendItem(item);
    first = false;
  }
  out += ']';
}

std::string sexagenaryName(const BuiltinTables& names, const Sexagenary& sign) {
  return names.stemName[sign.stem] + names.branchName[sign.branch];
}

const char* holidayKind(HolidayKind kind) {
  switch (kind) {
    case HolidayKind::Law: return "law";
    case HolidayKind::Substitute: return "substitute";
    case HolidayKind::Between: return "between";
    case HolidayKind::OneOff: return "one_off";
  }
  return "law";
}

void appendEra(std::string& out, const EraRecord& era, bool twoCourts) {
  out += "{\"court\":";
  appendStringOrNull(out, twoCourts, era.court == Court::Main ? "北朝" : "南朝");
  out += ",\"era\":";
  appendString(out, era.era);
  out += ",\"year_of_era\":";
  appendInteger(out, static_cast<long long>(era.yearOfEra));
  out += ",\"period\":";
  appendString(out, era.period);
  out += ",\"emperor\":";
  appendString(out, era.emperor + "天皇");
  out += '}';
}

// The files show holidays only in the Gregorian calendar (from 1582-10-15).
void appendHoliday(std::string& out, const CalendarDay& day) {
  if (!day.gregorian || !day.holiday) {
    out += "null";
    return;
  }
  out += "{\"name\":";
  appendString(out, day.holiday->name);
  out += ",\"kind\":";
  appendString(out, holidayKind(day.holiday->kind));
  out += ",\"prewar\":";
  appendBool(out, day.holiday->prewar);
  out += '}';
}

void appendTerm(std::string& out, const CalendarDay& day, const BuiltinTables& names) {
  if (!day.term) {
    out += "null";
    return;
  }
  out += "{\"name\":";
  appendString(out, termName(names, *day.term));
  out += ",\"kind\":";
  appendString(out, termKind(*day.term));
  out += ",\"month\":";
  appendInteger(out, termMonthOf(*day.term));
  out += ",\"time\":";
  appendClock(out, day.termInstant);
  out += '}';
}

void appendOldCalendar(std::string& out, const CalendarDay& day) {
  out += "{\"month\":";
  if (day.lunarMonth.number)
    appendInteger(out, *day.lunarMonth.number);
  else
    out += "null";
  out += ",\"leap\":";
  appendBool(out, day.lunarMonth.leap);
  out += ",\"day\":";
  appendInteger(out, day.lunarDay);
  out += '}';
}

// The 暦注 of the true basis, after the day's other fields.
void appendRekichu(std::string& out, const Rekichu& r, const BuiltinTables& names) {
  // A value the year's sky could not settle (no term to count the 節月 from) is null.
  out += ",\"kyusei\":";
  appendStringOrNull(out, r.kyusei != 0, kyuseiName(r.kyusei));
  out += ",\"choku\":";
  appendStringOrNull(out, r.choku != 0, chokuName(r.choku));
  out += ",\"shuku\":";
  appendString(out, shukuName(r.shuku));
  out += ",\"nacchin\":";
  appendString(out, nacchinName(r.nacchin));
  out += ",\"month_sexagenary\":";
  appendStringOrNull(out, r.setsuMonth != 0, monthSexagenaryName(names, r));
  out += ",\"month_kyusei\":";
  appendStringOrNull(out, r.monthKyusei != 0, kyuseiName(r.monthKyusei));
  out += ",\"kou\":";
  if (r.kou) {
    out += "{\"index\":";
    appendInteger(out, r.kou->index);
    out += ",\"name\":";
    appendString(out, kouName(r.kou->index));
    out += ",\"time\":";
    appendClock(out, r.kou->instant);
    out += '}';
  } else {
    out += "null";
  }
}

// {"rise":"06:51","transit":"11:44","set":"16:38"}, a missing event null; null
// for a day without the place's sky.
void appendRiseSet(std::string& out, const std::optional<RiseTransitSet>& events) {
  if (!events) {
    out += "null";
    return;
  }
  auto clock = [&out](const std::optional<int>& minute) {
    if (minute)
      appendString(out, minuteClock(*minute));
    else
      out += "null";
  };
  out += "{\"rise\":";
  clock(events->rise);
  out += ",\"transit\":";
  clock(events->transit);
  out += ",\"set\":";
  clock(events->set);
  out += '}';
}

// The true basis's sky of the day: the phase, the Sun and the Moon.
void appendDaySky(std::string& out, const CalendarYear& year, const CalendarDay& day) {
  out += ",\"moon_phase\":";
  if (day.moonPhase) {
    out += "{\"name\":";
    appendString(out, phaseName(year, day.moonPhase->quarter));
    out += ",\"time\":";
    appendClock(out, day.moonPhase->instant);
    out += '}';
  } else {
    out += "null";
  }
  out += ",\"sun\":";
  appendRiseSet(out, day.sun);
  out += ",\"moon\":";
  appendRiseSet(out, day.moon);
}

// "2026-03-03T20:33+09:00".
void appendInstant(std::string& out, const JstMinute& instant) {
  appendString(out, isoDate(instant.year, instant.month, instant.day) + "T" +
                        minuteClock(instant.hour * 60 + instant.minute) + "+09:00");
}

void appendEclipses(std::string& out, const CalendarYear& year) {
  out += ",\"eclipses\":";
  appendArray(out, year.eclipses, [&out](const Eclipse& e) {
    out += "{\"body\":";
    appendString(out, e.body == EclipseBody::Sun ? "sun" : "moon");
    out += ",\"kind\":";
    appendString(out, eclipseKindName(e.kind));
    out += ",\"greatest\":";
    appendInstant(out, e.greatest);
    out += ",\"magnitude\":";
    out += fixedText(e.magnitude, 3);
    out += ",\"local\":";
    if (!e.local) {
      out += "null";
    } else {
      out += "{\"begin\":";
      appendInstant(out, e.local->begin);
      out += ",\"greatest\":";
      appendInstant(out, e.local->greatest);
      out += ",\"end\":";
      appendInstant(out, e.local->end);
      out += ",\"magnitude\":";
      out += fixedText(e.local->magnitude, 3);
      out += '}';
    }
    out += '}';
  });
}

void appendPlace(std::string& out, const std::optional<Place>& place) {
  if (!place) {
    out += "null";
    return;
  }
  out += "{\"name\":";
  appendString(out, place->name);
  out += ",\"latitude\":";
  out += fixedText(place->latitude, 6);
  out += ",\"longitude\":";
  out += fixedText(place->longitude, 6);
  out += '}';
}

void appendJapaneseDate(std::string& out, const JapaneseDate& date) {
  out += "{\"court\":";
  appendStringOrNull(out, date.court != EraCourt::None, courtName(date.court));
  out += ",\"era\":";
  appendString(out, date.era);
  out += ",\"kind\":";
  appendString(out, date.reign ? "reign" : "era");
  out += ",\"year\":";
  appendInteger(out, date.year);
  out += ",\"month\":";
  appendInteger(out, date.month);
  out += ",\"leap\":";
  appendBool(out, date.leap);
  out += ",\"day\":";
  appendInteger(out, date.day);
  out += ",\"text\":";
  appendString(out, japaneseDateText(date));
  out += '}';
}

void appendDay(std::string& out, const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names,
               std::string_view newMoon) {
  out += "{\"date\":";
  appendString(out, isoDate(year.year, day.month, day.day));
  out += ",\"julian_date\":";
  if (day.gregorian)
    out += "null";
  else
    appendString(out, isoDate(day.julian.year, day.julian.month, day.julian.day));
  // The classic basis has no Japanese date of its own, and its documents stay as they were.
  if (year.japaneseDates) {
    out += ",\"wareki\":";
    appendArray(out, day.japaneseDates, [&out](const JapaneseDate& date) { appendJapaneseDate(out, date); });
  }
  out += ",\"weekday\":";
  appendString(out, names.weekdayName(0, day.weekday));
  out += ",\"holiday\":";
  appendHoliday(out, day);
  out += ",\"term\":";
  appendTerm(out, day, names);
  out += ",\"zassetsu\":";
  appendArray(out, day.zassetsu, [&](Zassetsu z) { appendString(out, zassetsuName(z, year.spelling)); });
  out += ",\"festivals\":[";
  if (day.festival != Festival::None) appendString(out, festivalName(day.festival));
  out += "],\"senjitsu\":";
  appendArray(out, selectedDayNames(day, year.spelling), [&out](const char* name) { appendString(out, name); });
  out += ",\"rokuyo\":";
  appendString(out, names.rokuyoName[day.rokuyo]);
  out += ",\"old_calendar\":";
  appendOldCalendar(out, day);
  out += ",\"sexagenary\":";
  appendString(out, sexagenaryName(names, day.sexagenary));
  out += ",\"moon_age\":";
  appendTenths(out, day.noonMoonAge);
  out += ",\"new_moon\":";
  if (day.newMoon) {
    out += "{\"name\":";
    appendString(out, newMoon);
    out += ",\"time\":";
    appendClock(out, day.newMoonInstant);
    out += '}';
  } else {
    out += "null";
  }
  out += ",\"doyo_start\":";
  if (day.doyoStartInstant) {
    out += "{\"time\":";
    appendClock(out, day.doyoStartInstant);
    out += '}';
  } else {
    out += "null";
  }
  if (day.rekichu) appendRekichu(out, *day.rekichu, names);
  if (year.almanacSky) appendDaySky(out, year, day);
  out += '}';
}

}  // namespace

void appendIsoDate(std::string& out, double year, int month, int day) {
  // Years 0..9999 in four digits, the others with their sign and at least four.
  const auto y = static_cast<long long>(year);
  if (y >= 0 && y <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31) {
    // The dates of every calendar file, made in one piece.
    const auto v = static_cast<int>(y);
    const char text[10] = {static_cast<char>('0' + v / 1000),    static_cast<char>('0' + v / 100 % 10),
                           static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10),
                           '-',
                           static_cast<char>('0' + month / 10),  static_cast<char>('0' + month % 10),
                           '-',
                           static_cast<char>('0' + day / 10),    static_cast<char>('0' + day % 10)};
    out.append(text, sizeof text);
    return;
  }
  if (y < 0 || y > 9999) out += y < 0 ? '-' : '+';
  appendZeroPadded(out, y < 0 ? -y : y, 4);
  out += '-';
  appendZeroPadded(out, month, 2);
  out += '-';
  appendZeroPadded(out, day, 2);
}

std::string isoDate(double year, int month, int day) {
  std::string text;
  appendIsoDate(text, year, month, day);
  return text;
}

std::string jsonDay(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names) {
  std::string out;
  appendDay(out, year, day, names, newMoonName(year));
  return out;
}

std::string jsonCalendar(const CalendarYear& year, const BuiltinTables& names) {
  std::string out;
  // About 260 bytes a day: one allocation for the whole document.
  out.reserve(2048 + 320 * year.days.size());
  out += "{\"format\":\"ventorel-calendar-year\",\"version\":2,\"year\":";
  appendInteger(out, static_cast<long long>(year.enteredYear));
  out += ",\"astronomical_year\":";
  appendInteger(out, static_cast<long long>(year.year));
  out += ",\"year_sexagenary\":";
  appendString(out, sexagenaryName(names, year.yearSign));
  if (year.yearKyusei != 0) {
    out += ",\"year_kyusei\":";
    appendString(out, kyuseiName(year.yearKyusei));
  }
  out += ",\"basis\":";
  appendString(out, year.basis == CalendarBasis::True ? "true" : "classic");
  out += ",\"historical_calendar\":";
  appendStringOrNull(out, !year.historicalCalendar.empty(), year.historicalCalendar);
  out += ",\"sky_source\":";
  appendString(out, year.skySource);
  out += ",\"eras\":";
  const bool twoCourts = year.eras.size() > 1;
  appendArray(out, year.eras, [&](const EraRecord& era) { appendEra(out, era, twoCourts); });
  if (year.almanacSky) {
    out += ",\"place\":";
    appendPlace(out, year.place);
    appendEclipses(out, year);
  }
  out += ",\"days\":";
  const std::string_view newMoon = newMoonName(year);
  appendArray(out, year.days, [&](const CalendarDay& day) { appendDay(out, year, day, names, newMoon); });
  out += '}';
  return out;
}

}  // namespace ventorel
