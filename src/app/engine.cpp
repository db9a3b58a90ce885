// The library's boundary: every failure inside becomes a status and a message.
#include <algorithm>
#include <exception>
#include <mutex>

#include "app/date_text.h"
#include "app/generation_run.h"
#include "app/program_folder.h"
#include "app/calendar_sources.h"
#include "data/data_files.h"
#include "output/japanese_date_text.h"
#include "output/json_calendar.h"
#include "ventorel/calendar.h"

namespace ventorel {

// The years computed last, so that the days of one year are looked up without
// computing the year again.
struct Engine::Cache {
  static constexpr std::size_t Capacity = 4;
  std::mutex mutex;
  struct Kept {
    Basis basis;
    std::int64_t year;
    Place place;
    std::shared_ptr<const CalendarYear> calendar;
  };
  std::vector<Kept> kept;  // oldest first
};

namespace {

LoadResult loaded(LoadedReferenceData read) {
  LoadResult result;
  result.problems = std::move(read.problems);
  for (const std::string& message : read.messages) result.message += messageOnOneLine(message) + "\n";
  if (!result.problems.empty()) result.status = Status::DataProblem;
  result.engine = std::make_shared<const Engine>(std::make_shared<const ReferenceData>(std::move(read.data)));
  return result;
}

std::string isoText(const Date& date) { return isoDate(static_cast<double>(date.year), date.month, date.day); }

DateResult refused(Status status, std::string message) {
  DateResult result;
  result.status = status;
  result.message = std::move(message);
  return result;
}

// The written date as text again, for messages: 元禄15年2月30日.
std::string writtenText(const WrittenJapaneseDate& written) {
  JapaneseDate date;
  date.era = written.era;
  date.year = written.year;
  date.month = written.month;
  date.leap = written.leap;
  date.day = written.day;
  return japaneseDateText(date);
}

bool sameEraYear(const JapaneseDate& date, const WrittenJapaneseDate& written) {
  return date.era == written.era && date.year == written.year &&
         (written.court == EraCourt::None || date.court == EraCourt::None || date.court == written.court);
}

}  // namespace

Engine::Engine(std::shared_ptr<const ReferenceData> data) : data_(std::move(data)), cache_(std::make_shared<Cache>()) {}

LoadResult Engine::load(const std::string& folder) { return loaded(loadProgramFolder(folder)); }

LoadResult Engine::load(const DataBytes& bytesOf) { return loaded(loadReferenceData(bytesOf)); }

YearResult Engine::year(Year year, Basis basis, const Place& place) const {
  YearResult result;
  if (!year.ok()) {
    result.status = Status::OutOfRange;
    result.message = YearTooLargeMessage;
    return result;
  }
  {
    std::lock_guard lock(cache_->mutex);
    for (const Cache::Kept& kept : cache_->kept)
      if (kept.basis == basis && kept.year == year.astronomical() && kept.place == place) {
        result.year = kept.calendar;
        return result;
      }
  }
  try {
    result.year = std::make_shared<const CalendarYear>(
        computeCalendar(static_cast<double>(year.user()), basis, *data_, nullptr, place).year);
  } catch (const std::exception& error) {
    result.status = Status::Failed;
    result.message = messages::computationFailure(error);
    return result;
  }
  std::lock_guard lock(cache_->mutex);
  if (cache_->kept.size() >= Cache::Capacity) cache_->kept.erase(cache_->kept.begin());
  cache_->kept.push_back({basis, year.astronomical(), place, result.year});
  return result;
}

DayResult Engine::day(const Date& date, Basis basis, const Place& place) const {
  DayResult result;
  if (!date.ok()) {
    result.status = Status::NoSuchDate;
    result.message = isoText(date) + "という日はありません。";
    return result;
  }
  const std::int64_t jdn = jdnOf(date);
  const Date gregorian = dateOf(jdn);
  YearResult computed = this->year(Year::fromAstronomical(gregorian.year), basis, place);
  result.status = computed.status;
  result.message = std::move(computed.message);
  if (!computed.ok()) return result;
  result.year = std::move(computed.year);
  const auto index = static_cast<std::size_t>(jdn - jdnOf(Date{gregorian.year, 1, 1}));
  if (index >= result.year->days.size()) {
    result.status = Status::Failed;
    result.message = isoText(gregorian) + "が暦の中に見つかりません。";
    return result;
  }
  result.day = &result.year->days[index];
  return result;
}

DateResult Engine::parseDate(std::string_view text) const {
  if (const auto western = readWesternDate(text)) {
    if (!western->ok()) {
      if (western->year < -LargestYear || western->year > LargestYear)
        return refused(Status::OutOfRange, YearTooLargeMessage);
      if (western->month < 1 || western->month > 12)
        return refused(Status::NoSuchDate, std::to_string(western->month) + "月という月はありません。");
      return refused(Status::NoSuchDate, std::to_string(western->month) + "月は" +
                                             std::to_string(daysInMonth(western->year, western->month, western->calendar)) +
                                             "日までです（" + std::string(normalizedDateText(text)) + "）。");
    }
    DateResult result;
    result.date = dateOf(jdnOf(*western));
    return result;
  }
  const EraStarts& starts = data_->eraStarts;
  std::vector<std::string> names;
  for (const EraStart& start : starts.starts()) names.push_back(start.name);
  const auto written = readJapaneseDate(text, names);
  if (!written)
    return refused(Status::NotADate, "「" + normalizedDateText(text) +
                                         "」は日付として読めません（例：2024-05-01、J1582-06-21、元禄15年12月14日）。");
  if (starts.empty()) return refused(Status::NotADate, "元号の表（era_starts.dat）が読めないため、和暦は使えません。");
  const auto named = std::find_if(starts.starts().begin(), starts.starts().end(),
                                  [&](const EraStart& s) { return s.name == written->era; });
  if (named == starts.starts().end()) return refused(Status::NotADate, "「" + written->era + "」という元号はありません。");
  const std::string asWritten = writtenText(*written);
  if (written->year < 1) return refused(Status::NoSuchDate, asWritten + "：年は元年（1年）からです。");
  if (written->month < 1 || written->month > 12)
    return refused(Status::NoSuchDate, asWritten + "：" + std::to_string(written->month) + "月という月はありません。");
  if (written->day < 1) return refused(Status::NoSuchDate, asWritten + "：日は1日からです。");
  const std::int64_t firstYear = named->firstYear;
  if (written->year > LargestYear) return refused(Status::OutOfRange, asWritten + "：年が大きすぎます。");
  const std::int64_t counted = firstYear + written->year - 1;

  // The day of the written date in the calendar of its time: the Gregorian date
  // from 1873, else the day of that old-calendar date in the true calendar.
  std::optional<std::int64_t> jdn;
  if (counted >= 1873) {
    if (written->leap) return refused(Status::NoSuchDate, asWritten + "：1873年からの暦に閏月はありません。");
    const int last = daysInMonth(counted, written->month);
    if (written->day > last)
      return refused(Status::NoSuchDate, asWritten + "：" + std::to_string(written->month) + "月は" +
                                             std::to_string(last) + "日までです。");
    jdn = jdnOf(Date{counted, written->month, written->day});
  } else {
    int monthDays = 0;
    for (const std::int64_t y : {counted, counted + 1}) {
      const YearResult calendar = this->year(Year::fromAstronomical(y));
      if (!calendar.ok()) return refused(calendar.status, calendar.message);
      for (const CalendarDay& day : calendar.year->days) {
        if (!day.lunarMonth.number || *day.lunarMonth.number != written->month || day.lunarMonth.leap != written->leap)
          continue;
        if (lunarYearOf(y, day.month, *day.lunarMonth.number) != counted) continue;
        if (jdnOf(Date{y, day.month, day.day}) >= JapanGregorianFirstJdn) continue;
        monthDays = std::max(monthDays, day.lunarDay);
        if (day.lunarDay == written->day) jdn = jdnOf(Date{y, day.month, day.day});
      }
    }
    if (!jdn) {
      const std::string month = (written->leap ? "閏" : "") + std::to_string(written->month) + "月";
      if (monthDays == 0) return refused(Status::NoSuchDate, asWritten + "：この年に" + month + "はありません。");
      return refused(Status::NoSuchDate, asWritten + "：" + month + "は" + std::to_string(monthDays) + "日までです。");
    }
  }
  // The era must be in force that day, on the court's line when one is written.
  const DayResult day = this->day(dateOf(*jdn));
  if (!day.ok()) return refused(day.status, day.message);
  for (const JapaneseDate& date : day.day->japaneseDates)
    if (sameEraYear(date, *written) && date.month == written->month && date.leap == written->leap &&
        date.day == written->day) {
      DateResult result;
      result.date = dateOf(*jdn);
      return result;
    }
  std::string message = asWritten + "は" + written->era + "の日ではありません（その日は" +
                        japaneseDatesText(day.day->japaneseDates) + "、" + isoText(dateOf(*jdn)) + "）。";
  return refused(Status::NoSuchDate, message);
}

}  // namespace ventorel
