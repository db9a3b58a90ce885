// Ventorel's engine as a library: load the reference data once, then ask for a
// year's calendar, one day, or the day a date text names.
//
//   auto loaded = ventorel::Engine::load("/usr/share/ventorel");
//   if (!loaded.engine) { /* loaded.message says why */ }
//   auto day = loaded.engine->day(ventorel::Date{1703, 1, 30});
//   // day.day->japaneseDates[0]: 元禄15年12月14日
//
// No exception crosses these functions: every result carries a status and, when
// the status is not Ok, a message for the user (in Japanese).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_basis.h"
#include "calendar/calendar_year.h"
#include "data/problem.h"
#include "ventorel/date.h"

namespace ventorel {

struct ReferenceData;

// Which calendar: the true one (the default) or the classic one.
using Basis = CalendarBasis;

enum class Status {
  Ok,
  DataProblem,  // a data file is missing or damaged: the engine works without it
  NotADate,     // the text names no date (unknown era, no number, bad form)
  NoSuchDate,   // a date that did not exist: 元禄15年2月30日, 令和元年4月30日, 13月
  OutOfRange,   // a year beyond ±LargestYear, or year 0
  Failed,       // the computation ended on an error
};

class Engine;

struct LoadResult {
  Status status = Status::Ok;
  std::shared_ptr<const Engine> engine;   // set unless nothing could be loaded
  std::vector<Problem> problems;  // the files that could not be used
  std::string message;                    // one line per file that could not be used
};

struct YearResult {
  Status status = Status::Ok;
  std::string message;
  std::shared_ptr<const CalendarYear> year;
  bool ok() const { return status == Status::Ok; }
};

struct DayResult {
  Status status = Status::Ok;
  std::string message;
  std::shared_ptr<const CalendarYear> year;  // the year the day belongs to
  const CalendarDay* day = nullptr;           // the day, within *year
  bool ok() const { return status == Status::Ok; }
};

struct DateResult {
  Status status = Status::Ok;
  std::string message;
  Date date;  // the day, in the proleptic Gregorian calendar
  bool ok() const { return status == Status::Ok; }
};

// The bytes of a data file by its name ("shuku.dat"), or none when there is none.
using DataBytes = std::function<std::optional<std::string>(const std::string& name)>;

class Engine {
 public:
  // The engine over the data files of a folder, or over given bytes.
  static LoadResult load(const std::string& folder);
  static LoadResult load(const DataBytes& bytesOf);

  // The calendar of a year; on the true basis its sunrises, sunsets and eclipses
  // are those seen from `place` (data/places.h: 東京 unless told).
  YearResult year(Year year, Basis basis = Basis::True, const Place& place = defaultPlace()) const;
  // One day (a Gregorian or Julian date) with every field the files show.
  DayResult day(const Date& date, Basis basis = Basis::True, const Place& place = defaultPlace()) const;
  // The day a text names: an ISO date ("1703-01-30", "-0659-02-11"), a Julian
  // date marked J ("J1582-06-21"), or a Japanese date with Arabic, full-width or
  // kanji numerals ("元禄15年12月14日", "元禄十五年十二月十四日", "平成元年1月8日",
  // "天保3年閏11月5日", "南朝 正平5年4月18日").
  DateResult parseDate(std::string_view text) const;

  const ReferenceData& data() const { return *data_; }

  explicit Engine(std::shared_ptr<const ReferenceData> data);

 private:
  std::shared_ptr<const ReferenceData> data_;
  struct Cache;
  std::shared_ptr<Cache> cache_;
};

}  // namespace ventorel
