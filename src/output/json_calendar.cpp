#include "output/json_calendar.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "data/numbers.h"
#include "calendar/selected_days.h"
#include "output/day_names.h"

namespace ventorel {

namespace {

using Json = nlohmann::ordered_json;

std::string sexagenaryName(const BuiltinTables& names, const Sexagenary& sign) {
  return names.stemName[sign.stem] + names.branchName[sign.branch];
}

Json clockOrNull(const std::optional<JstMinute>& instant) {
  return instant ? Json(clockText(*instant)) : Json(nullptr);
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

Json dayJson(const CalendarYear& year, const CalendarDay& day, const BuiltinTables& names) {
  Json out;
  out["date"] = isoDate(year.year, day.month, day.day);
  out["julian_date"] = day.gregorian ? Json(nullptr) : Json(isoDate(day.julian.year, day.julian.month, day.julian.day));
  out["weekday"] = names.weekdayName(0, day.weekday);
  // The files show holidays only in the Gregorian calendar (from 1582-10-15).
  if (day.gregorian && day.holiday)
    out["holiday"] = {{"name", day.holiday->name}, {"kind", holidayKind(day.holiday->kind)}};
  else
    out["holiday"] = nullptr;
  if (day.term)
    out["term"] = {{"name", termName(names, *day.term)},
                   {"kind", termKind(*day.term)},
                   {"month", termMonth(*day.term)},
                   {"time", clockOrNull(day.termInstant)}};
  else
    out["term"] = nullptr;
  out["zassetsu"] = Json::array();
  for (const Zassetsu z : day.zassetsu) out["zassetsu"].push_back(zassetsuName(z));
  out["festivals"] = Json::array();
  if (day.festival != Festival::None) out["festivals"].push_back(festivalName(day.festival));
  out["senjitsu"] = Json::array();
  for (const char* name : senjitsuNames(day.senjitsu)) out["senjitsu"].push_back(name);
  out["rokuyo"] = names.rokuyoName[day.rokuyo];
  out["old_calendar"] = {{"month", day.lunarMonth.number ? Json(*day.lunarMonth.number) : Json(nullptr)},
                         {"leap", day.lunarMonth.leap},
                         {"day", day.lunarDay}};
  out["sexagenary"] = sexagenaryName(names, day.sexagenary);
  out["moon_age"] = day.moonAge;
  out["new_moon"] = day.newMoon ? Json{{"time", clockOrNull(day.newMoonInstant)}} : Json(nullptr);
  return out;
}

}  // namespace

std::string isoDate(double year, int month, int day) {
  char text[48];
  const auto y = static_cast<long long>(year);
  if (y >= 0 && y <= 9999)
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d", y, month, day);
  else
    std::snprintf(text, sizeof text, "%+05lld-%02d-%02d", y, month, day);
  return text;
}

std::string jsonCalendar(const CalendarYear& year, const BuiltinTables& names) {
  Json doc;
  doc["format"] = "ventorel-calendar-year";
  doc["version"] = 1;
  doc["year"] = static_cast<long long>(year.enteredYear);
  doc["astronomical_year"] = static_cast<long long>(year.year);
  doc["year_sexagenary"] = sexagenaryName(names, year.yearSign);
  doc["basis"] = year.basis == CalendarBasis::True ? "true" : "classic";
  doc["historical_calendar"] = year.historicalCalendar.empty() ? Json(nullptr) : Json(year.historicalCalendar);
  doc["sky_source"] = year.skySource;
  doc["eras"] = Json::array();
  const bool twoCourts = year.eras.size() > 1;
  for (const EraRecord& era : year.eras) {
    doc["eras"].push_back({{"court", twoCourts ? Json(era.court == Court::Main ? "北朝" : "南朝") : Json(nullptr)},
                           {"era", era.era},
                           {"year_of_era", static_cast<long long>(era.yearOfEra)},
                           {"period", era.period},
                           {"emperor", era.emperor + "天皇"}});
  }
  doc["days"] = Json::array();
  for (const CalendarDay& day : year.days) doc["days"].push_back(dayJson(year, day, names));
  return doc.dump();
}

}  // namespace ventorel
