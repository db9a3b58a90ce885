#include "output/ics_calendar.h"

#include "data/numbers.h"
#include "calendar/selected_days.h"
#include "output/names.h"
#include "output/japanese_date_text.h"
#include "output/sky_texts.h"
#include "output/text_building.h"

namespace ventorel {

namespace {

constexpr const char* TimeZone = "Asia/Tokyo";
constexpr const char* ProductId = "-//Ventorel//Ventorel//JA";

// Every event of a day says where the day stands in the old calendar, and its
// 六曜 and 干支, which people look up together with it.
void appendDayLine(std::string& out, const CalendarDay& day, const BuiltinTables& names) {
  // The day's Japanese date first, where the calendar gives one (the true basis).
  if (!day.japaneseDates.empty()) appendPieces(out, japaneseDatesText(day.japaneseDates), " ");
  appendOldDateText(out, day.lunarMonth, day.lunarDay);
  appendPieces(out, " ", names.rokuyoName[day.rokuyo], " ", names.stemName[day.sexagenary.stem],
               names.branchName[day.sexagenary.branch], "の日");
}

// The time of a term or new moon: in the summary, and with its time zone in the detail.
void appendInstant(std::string& summary, std::string_view summaryLead, std::string& detail, std::string_view detailLead,
                   const JstMinute& instant) {
  summary += summaryLead;
  appendClockText(summary, instant);
  detail += detailLead;
  appendClockText(detail, instant);
  detail += " 日本時間";
}

// Makes the events of a year in day order and hands each to `take` as an
// ics::EventText. Its texts are built in buffers that the next event reuses, so
// a year costs a handful of allocations, not several per event.
template <typename Take>
void makeEvents(const CalendarYear& year, const BuiltinTables& names, const IcsInclude& include, Take&& take) {
  std::string line;         // the day's line, made when the day has its first event
  std::string summary;
  std::string description;  // the event's own detail, if any, until `add` ends it with the day's line
  const auto y = static_cast<std::int64_t>(year.year);
  for (const CalendarDay& day : year.days) {
    const ics::CivilDate date{y, day.month, day.day};
    line.clear();
    auto add = [&](std::string_view kind, std::string_view category, std::string_view eventSummary) {
      if (line.empty()) {
        appendDayLine(line, day, names);
        if (include.rekichu && day.rekichu) appendPieces(line, "\n", rekichuLine(names, *day.rekichu));
      }
      if (!description.empty()) description += '\n';
      description += line;
      take(ics::EventText{date, kind, category, eventSummary, description});
      description.clear();
    };
    // The files show holidays only in the Gregorian calendar (from 1582-10-15).
    // The 祝祭日 of 1873..1948 are set apart from the 祝日 of the holiday law.
    if (day.gregorian && day.holiday) add("holiday", holidayKindName(*day.holiday), day.holiday->name);
    if (day.term) {
      const std::string name = termName(names, *day.term);
      summary = name;
      appendPieces(description, name, termNote(*day.term));
      if (day.termInstant) appendInstant(summary, " ", description, " ", *day.termInstant);
      add("term", "二十四節気", summary);
    }
    for (const Zassetsu z : day.zassetsu) {
      if (z == Zassetsu::DoyoStart && day.doyoStartInstant) {
        summary = zassetsuName(z, year.spelling);
        description = summary;
        appendInstant(summary, " ", description, " ", *day.doyoStartInstant);
        add("zassetsu", "雑節", summary);
      } else {
        add("zassetsu", "雑節", zassetsuName(z, year.spelling));
      }
    }
    if (day.festival != Festival::None) add("festival", "節句", festivalName(day.festival));
    // Up to 1872 the months are the historical calendars', whose first days are not
    // the new moons of the true sky: those are events of their own, 天文朔.
    // Where the day has its phase event, the new moon is named there alone.
    const bool astronomicalNewMoon = std::string_view(newMoonName(year)) == AstronomicalNewMoonName;
    const bool newMoonPhaseEvent = day.moonPhase && day.moonPhase->quarter == 0;
    if (day.lunarDay == 1 && day.lunarMonth.number) {
      summary.clear();
      appendOldDateText(summary, day.lunarMonth, 1);
      if (day.newMoon && day.newMoonInstant && !astronomicalNewMoon && !newMoonPhaseEvent)
        appendInstant(summary, std::string(" ") + newMoonName(year) + " ", description,
                      std::string(newMoonName(year)) + " ", *day.newMoonInstant);
      add("oldmonth", "旧暦", summary);
    }
    if (astronomicalNewMoon && day.newMoon && day.newMoonInstant && !newMoonPhaseEvent) {
      summary = AstronomicalNewMoonName;
      description = summary;
      appendInstant(summary, " ", description, " ", *day.newMoonInstant);
      add("newmoon", AstronomicalNewMoonName, summary);
    }
    if (day.moonPhase) {
      summary = phaseName(year, day.moonPhase->quarter);
      appendInstant(summary, " ", description, summary + " ", day.moonPhase->instant);
      add("moonphase", "朔弦望", summary);
    }
    // An eclipse seen from the place, on the day of its greatest phase there.
    for (const Eclipse& e : year.eclipses) {
      if (!e.local || e.local->greatest.year != year.year || e.local->greatest.month != day.month ||
          e.local->greatest.day != day.day)
        continue;
      summary.clear();
      appendPieces(summary, eclipseKindName(e.kind), eclipseBodyName(e.body), " 最大 ");
      appendClockText(summary, e.local->greatest);
      appendPieces(description, eclipseKindName(e.kind), eclipseBodyName(e.body), " 始め ");
      appendClockText(description, e.local->begin);
      description += " 最大 ";
      appendClockText(description, e.local->greatest);
      description += " 終わり ";
      appendClockText(description, e.local->end);
      appendPieces(description, " 日本時間（", year.place ? year.place->name : std::string(), "）");
      add("eclipse", "日食・月食", summary);
    }
    if (include.rokuyo) add("rokuyo", "六曜", names.rokuyoName[day.rokuyo]);
    if (include.senjitsu)
      for (const char* name : selectedDayNames(day, year.spelling)) add("senjitsu", "選日", name);
    if (!day.rekichu) continue;
    const Rekichu& r = *day.rekichu;
    if (include.kou && r.kou) {
      summary = kouName(r.kou->index);
      appendInstant(summary, " ", description, "七十二候 ", r.kou->instant);
      add("kou", "七十二候", summary);
    }
    if (include.rekichu) {
      appendPieces(summary = kyuseiName(r.kyusei), " ", chokuName(r.choku), " ", shukuName(r.shuku));
      add("rekichu", "暦注", summary);
    }
  }
}

// About the text of the events of one day, to reserve a year's buffer once.
std::size_t dayOctets(const IcsInclude& include) {
  return 80u + (include.rokuyo ? 280u : 0u) + (include.senjitsu ? 120u : 0u) + (include.kou ? 30u : 0u) +
         (include.rekichu ? 400u : 0u);
}

}  // namespace

bool icsRepresentable(double year) { return year >= 1 && year <= 9999; }

bool icsRepresentable(const CalendarYear& year) { return icsRepresentable(year.year); }

void appendIcsEvents(std::string& out, const CalendarYear& year, const BuiltinTables& names, const IcsInclude& include,
                     std::string_view stamp, ics::EventCounts& seen) {
  out.reserve(out.size() + year.days.size() * dayOctets(include));
  ics::EventWriter writer(out, stamp, seen);
  makeEvents(year, names, include, [&writer](const ics::EventText& event) { writer.write(event); });
}

std::string icsCalendar(const std::string& title, const CalendarYear& year, const BuiltinTables& names,
                        const IcsInclude& include, std::string_view stamp) {
  std::string out = icsCalendarHead(title);
  ics::EventCounts seen;
  appendIcsEvents(out, year, names, include, stamp, seen);
  out += ics::CalendarTail;
  return out;
}

std::string icsCalendarHead(const std::string& title) { return ics::calendarHead({title, TimeZone, ProductId}); }

std::string icsTitle(double firstYear, double lastYear) {
  std::string title = "日本の暦 " + trimmedNumber(firstYear);
  if (lastYear != firstYear) title += "-" + trimmedNumber(lastYear);
  return title;
}

}  // namespace ventorel
