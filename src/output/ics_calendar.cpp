#include "output/ics_calendar.h"

#include "data/numbers.h"
#include "calendar/selected_days.h"
#include "output/day_names.h"

namespace ventorel {

namespace {

constexpr const char* TimeZone = "Asia/Tokyo";
constexpr const char* ProductId = "-//Ventorel//Ventorel//JA";

// Every event of a day says where the day stands in the old calendar, and its
// 六曜 and 干支, which people look up together with it.
std::string dayLine(const CalendarDay& day, const BuiltinTables& names) {
  return oldDateText(day.lunarMonth, day.lunarDay) + " " + names.rokuyoName[day.rokuyo] + " " +
         names.stemName[day.sexagenary.stem] + names.branchName[day.sexagenary.branch] + "の日";
}

}  // namespace

bool icsRepresentable(double year) { return year >= 1 && year <= 9999; }

bool icsRepresentable(const CalendarYear& year) { return icsRepresentable(year.year); }

std::vector<ics::AllDayEvent> icsEvents(const CalendarYear& year, const BuiltinTables& names, const IcsInclude& include) {
  std::vector<ics::AllDayEvent> events;
  const auto y = static_cast<std::int64_t>(year.year);
  for (const CalendarDay& day : year.days) {
    const ics::CivilDate date{y, day.month, day.day};
    const std::string line = dayLine(day, names);
    auto add = [&](const char* kind, const char* category, const std::string& summary, const std::string& detail) {
      events.push_back({date, kind, category, summary, detail.empty() ? line : detail + "\n" + line});
    };
    // The files show holidays only in the Gregorian calendar (from 1582-10-15).
    if (day.gregorian && day.holiday) add("holiday", "祝日", day.holiday->name, "");
    if (day.term) {
      const std::string name = termName(names, *day.term);
      std::string detail = name + "（" + std::to_string(termMonth(*day.term)) + "月" + termKind(*day.term) + "）";
      std::string summary = name;
      if (day.termInstant) {
        summary += " " + clockText(*day.termInstant);
        detail += " " + clockText(*day.termInstant) + " 日本時間";
      }
      add("term", "二十四節気", summary, detail);
    }
    for (const Zassetsu z : day.zassetsu) add("zassetsu", "雑節", zassetsuName(z), "");
    if (day.festival != Festival::None) add("festival", "節句", festivalName(day.festival), "");
    if (day.lunarDay == 1 && day.lunarMonth.number) {
      std::string summary = oldDateText(day.lunarMonth, 1);
      std::string detail;
      if (day.newMoon && day.newMoonInstant) {
        summary += " 新月 " + clockText(*day.newMoonInstant);
        detail = "新月 " + clockText(*day.newMoonInstant) + " 日本時間";
      }
      add("oldmonth", "旧暦", summary, detail);
    }
    if (include.rokuyo) add("rokuyo", "六曜", names.rokuyoName[day.rokuyo], "");
    if (include.senjitsu)
      for (const char* name : senjitsuNames(day.senjitsu)) add("senjitsu", "選日", name, "");
  }
  return events;
}

std::string icsCalendar(const std::string& title, std::vector<ics::AllDayEvent> events, const std::string& stamp) {
  return ics::render({title, TimeZone, ProductId, stamp, std::move(events)});
}

std::string icsCalendarHead(const std::string& title) { return ics::calendarHead({title, TimeZone, ProductId, {}, {}}); }

std::string icsTitle(double firstYear, double lastYear) {
  std::string title = "日本の暦 " + trimmedNumber(firstYear);
  if (lastYear != firstYear) title += "-" + trimmedNumber(lastYear);
  return title;
}

}  // namespace ventorel
