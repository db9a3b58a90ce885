#include "calendar/japanese_date.h"

#include <algorithm>
#include <utility>

#include "ventorel/date.h"

namespace ventorel {

std::int64_t lunarYearOf(std::int64_t gregorianYear, int gregorianMonth, int month) {
  return month >= 11 && gregorianMonth <= 3 ? gregorianYear - 1 : gregorianYear;
}

namespace {

std::optional<JapaneseDate> dateOnLine(const EraStart* start, std::int64_t jdn, const std::optional<OldCalendarDate>& old,
                                       EraCourt court) {
  if (start == nullptr) return std::nullopt;
  JapaneseDate date;
  date.court = court;
  date.era = start->name;
  date.reign = start->reign;
  if (jdn >= JapanGregorianFirstJdn) {
    const Date g = dateOf(jdn);
    date.year = g.year - start->firstYear + 1;
    date.month = g.month;
    date.day = g.day;
  } else {
    if (!old) return std::nullopt;
    // Before the old-calendar table the months are reckoned, and the reign's
    // first day may fall in the reckoned year before the one it began: year 1.
    date.year = std::max<std::int64_t>(1, old->year - start->firstYear + 1);
    date.month = old->month;
    date.leap = old->leap;
    date.day = old->day;
  }
  return date;
}

}  // namespace

std::vector<JapaneseDate> japaneseDatesOf(std::int64_t jdn, const std::optional<OldCalendarDate>& old,
                                          const EraStarts& starts) {
  std::vector<JapaneseDate> dates;
  const EraStart* north = starts.inForce(jdn, EraLine::North);
  const EraStart* south = starts.inForce(jdn, EraLine::South);
  // One era in force on both lines (every day outside 1331..1392): one date of no court.
  if (north != nullptr && north == south) {
    if (auto date = dateOnLine(north, jdn, old, EraCourt::None)) dates.push_back(std::move(*date));
    return dates;
  }
  auto northern = dateOnLine(north, jdn, old, EraCourt::North);
  auto southern = dateOnLine(south, jdn, old, EraCourt::South);
  if (northern && southern) {
    southern->court = EraCourt::North;
    // Where both courts write the same date (every day but those of 1331..1392
    // when their eras differ), it is one date of no court.
    if (*northern == *southern) {
      northern->court = EraCourt::None;
      southern.reset();
    } else {
      southern->court = EraCourt::South;
    }
  }
  for (auto* date : {&northern, &southern})
    if (*date) dates.push_back(std::move(**date));
  return dates;
}

}  // namespace ventorel
