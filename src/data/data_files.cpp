#include "data/data_files.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "data/field_reader.h"
#include "data/numbers.h"
#include "data/text.h"
#include "data/text_encoding.h"
#include "data/value.h"
#include "ventorel/date.h"

namespace ventorel {

namespace {

constexpr int HolidayRows = 20;  // rows 1..20 of the holiday tables, terminators included

const std::string MalformedField = messages::UnclosedQuote;

// A data file's field stream and, once reading stops on damage, where and why.
struct Reading {
  explicit Reading(std::string_view text) : fields(text) {}
  FieldReader fields;
  Problem damage;
  // Notes the damage at the line of the last field read; false, for `return stop(...)`.
  bool stop(std::string what) {
    damage.line = fields.line();
    damage.message = std::move(what);
    return false;
  }
  // True when nothing but blank lines follows the last record read.
  bool atEnd() {
    std::string field;
    switch (fields.next(field)) {
      case FieldReader::Status::End: return true;
      case FieldReader::Status::Field: return stop(messages::TextAfterLastRecord);
      case FieldReader::Status::Malformed: break;
    }
    return stop(MalformedField);
  }
  // The next field; false (with the damage noted) when the stream ends or breaks.
  bool next(std::string& field) {
    switch (fields.next(field)) {
      case FieldReader::Status::Field: return true;
      case FieldReader::Status::End: return stop(messages::FileEndsEarly);
      case FieldReader::Status::Malformed: break;
    }
    return stop(MalformedField);
  }
};

// Reads exactly N fields.
template <std::size_t N>
bool readRecord(Reading& reading, std::array<std::string, N>& fields) {
  for (auto& field : fields)
    if (!reading.next(field)) return false;
  return true;
}

// The whole number a field holds, when it is one within lo..hi.
bool integerField(std::string_view field, double lo, double hi, double& value) {
  if (!isWholeNumber(field)) return false;
  value = numericValue(field);
  return std::isfinite(value) && value == std::floor(value) && value >= lo && value <= hi;
}

// The days of a month of the new-moon table, whose years are whole and small.
int monthDays(double year, int month) { return daysInMonth(static_cast<std::int64_t>(year), month); }

const std::string TooManyHolidayRows = messages::tooManyRows(HolidayRows);

// "shuku.dat". Section 1: month, day, name records; an empty name ends the section
// and its record occupies a row. Section 2: rule, name records from the next row
// on, up to the record with an empty name. The row number runs on across both.
bool readHolidays(Reading& reading, HolidayFile& holidays) {
  int row = 1;
  while (true) {
    if (row > HolidayRows) return reading.stop(TooManyHolidayRows);
    std::array<std::string, 3> f;  // month, day, name
    if (!readRecord(reading, f)) return false;
    const bool terminator = f[2].empty();
    double month = 0, day = 0;
    if (terminator) {
      // The terminator's month and day are not used; they may be empty.
      if ((!f[0].empty() && !isWholeNumber(f[0])) || (!f[1].empty() && !isWholeNumber(f[1])))
        return reading.stop(messages::ClosingMonthDayNotNumber);
    } else if (!integerField(f[0], 1, 12, month) || !integerField(f[1], 1, 31, day)) {
      return reading.stop(messages::MonthDayOutOfRange);
    }
    holidays.holidayDate(1, row) = Value::fromField(f[0]);
    holidays.holidayDate(2, row) = Value::fromField(f[1]);
    holidays.holidayName[row] = f[2];
    if (terminator && row == 1) return reading.stop(messages::NoHoliday);
    if (terminator) break;
    ++row;
  }
  while (true) {
    ++row;
    if (row > HolidayRows) return reading.stop(TooManyHolidayRows);
    std::array<std::string, 2> f;  // rule, name
    if (!readRecord(reading, f)) return false;
    const bool closing = f[1].empty();
    if (!closing) {
      // The month is the numeric value of the first two characters, n that of the
      // last four: "01月第2月曜日" is the second Monday of January.
      const double month = numericValue(leftChars(f[0], 2));
      const double n = numericValue(rightChars(f[0], 4));
      if (charCount(f[0]) < 4 || month != std::floor(month) || month < 1 || month > 12 || n != std::floor(n) ||
          n < 1 || n > 5)
        return reading.stop(messages::MondayRuleMalformed);
    }
    holidays.holidayRule[row] = f[0];
    holidays.holidayName[row] = f[1];
    if (closing) return reading.atEnd();
  }
}

// "gen1.dat" and "gen2.dat": six-field rows (row number, first year, era, period,
// emperor, reading) up to the end of the file, in ascending order of first year.
bool readEras(Reading& reading, EraList& eras) {
  double previousFirstYear = -INFINITY;
  while (true) {
    std::array<std::string, 6> f;
    const FieldReader::Status first = reading.fields.next(f[0]);
    if (first == FieldReader::Status::End) break;
    if (first == FieldReader::Status::Malformed) return reading.stop(MalformedField);
    for (std::size_t j = 1; j < f.size(); ++j)
      if (!reading.next(f[j])) return false;
    if (eras.rows.size() == MaxEraRows) return reading.stop(messages::tooManyRows(MaxEraRows));
    double firstYear = 0;
    if (!integerField(f[1], -INFINITY, INFINITY, firstYear)) return reading.stop(messages::FirstYearNotWhole);
    if (firstYear < previousFirstYear) return reading.stop(messages::FirstYearBeforeAbove);
    previousFirstYear = firstYear;
    eras.rows.push_back({f[0], firstYear, f[2], f[3], f[4], f[5]});
  }
  if (!eras.rows.empty()) return true;
  // A file without a single era is damaged as a whole.
  reading.stop(messages::NoEra);
  reading.damage.line = 0;
  return false;
}

// "singetu.dat": rows 1..2461 of year, month, day, each date after the one before.
bool readNewMoons(Reading& reading, NewMoonTable& table) {
  double previous[3] = {-INFINITY, 0, 0};
  for (int r = 1; r <= NewMoonRows; ++r) {
    std::array<std::string, 3> f;
    if (!readRecord(reading, f)) return false;
    double year = 0, month = 0, day = 0;
    if (!integerField(f[0], -1e9, 1e9, year) || !integerField(f[1], 1, 12, month) ||
        !integerField(f[2], 1, monthDays(year, static_cast<int>(month)), day))
      return reading.stop(messages::NewMoonNotADate);
    const bool later = year != previous[0] ? year > previous[0]
                       : month != previous[1] ? month > previous[1]
                                              : day > previous[2];
    if (!later) return reading.stop(messages::NewMoonNotLater);
    previous[0] = year, previous[1] = month, previous[2] = day;
    table[r] = NewMoonDate{static_cast<std::int64_t>(year), static_cast<int>(month), static_cast<int>(day)};
  }
  return reading.atEnd();
}

// Reads one file into a fresh table of its kind and puts it in place only when the
// whole file was read.
template <typename T, typename Read>
bool readWhole(Reading& reading, T& slot, T fresh, Read read) {
  if (!read(reading, fresh)) return false;
  slot = std::move(fresh);
  return true;
}

}  // namespace

const char* dataFileName(DataFile file) {
  switch (file) {
    case DataFile::Holidays: return "shuku.dat";
    case DataFile::Eras: return "gen1.dat";
    case DataFile::SecondCourtEras: return "gen2.dat";
    case DataFile::NewMoons: return "singetu.dat";
    case DataFile::Settings: return "ini.dat";
    case DataFile::HolidayLaw: return HolidayLawFileName;
    case DataFile::EraStarts: return EraStartsFileName;
  }
  return "";
}

namespace {

// The law is taken only when every line of it was read: a law without its damaged
// lines would place wrong holidays, so the calendar then keeps to "shuku.dat".
std::vector<Problem> readLaw(std::string_view bytes, ReferenceData& data) {
  HolidayLawReading reading = readHolidayLaw(bytes);
  if (reading.ok()) {
    data.holidayLaw = std::move(reading.law);
    data.lawComplete = true;
  }
  return std::move(reading.problems);
}

// The most damaged lines a message lists.
constexpr std::size_t MaxListedProblems = MaxKeptProblems;

const std::string TooLarge = messages::fileLargerThan(MaxDataFileBytes >> 20);

// The line (from 1) of a byte offset, line ends counted as the field stream counts them.
int lineAt(std::string_view text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset; ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  return line;
}

}  // namespace

bool readDataFile(DataFile file, std::string_view bytes, ReferenceData& data, Problem* problem) {
  if (bytes.size() > MaxDataFileBytes) {
    if (problem != nullptr) *problem = {dataFileName(file), 0, TooLarge};
    return false;
  }
  if (file == DataFile::HolidayLaw) {
    std::vector<Problem> problems = readLaw(bytes, data);
    if (!problems.empty() && problem != nullptr) *problem = std::move(problems.front());
    return problems.empty();
  }
  if (file == DataFile::EraStarts) {
    EraStartsReading era = readEraStarts(bytes);
    const bool intact = era.ok();
    if (intact) data.eraStarts = std::move(era.starts);
    else if (problem != nullptr) *problem = std::move(era.problem);
    return intact;
  }
  const std::optional<std::string> text = dataFileText(bytes);
  Reading reading(text ? *text : std::string_view());
  reading.damage.file = dataFileName(file);
  bool intact = false;
  const std::size_t control = text ? findControlCharacter(*text) : std::string::npos;
  if (!text) {
    reading.damage.message = messages::NotDecodable;
  } else if (control != std::string::npos) {
    reading.damage.line = lineAt(*text, control);
    reading.damage.message = messages::ControlCharacter;
  } else {
    switch (file) {
      case DataFile::Holidays: intact = readWhole(reading, data.holidays, HolidayFile{}, readHolidays); break;
      case DataFile::Eras: intact = readWhole(reading, data.eras, EraList(), readEras); break;
      case DataFile::SecondCourtEras:
        intact = readWhole(reading, data.secondCourtEras, EraList(), readEras);
        break;
      case DataFile::NewMoons:
        intact = readWhole(reading, data.newMoonTable, NewMoonTable(data.newMoonTable.name()), readNewMoons);
        break;
      case DataFile::Settings:  // the user's settings: the app reads them (loadReferenceData)
        reading.damage.message = messages::SettingsAreNoReferenceData;
        break;
      case DataFile::HolidayLaw:
      case DataFile::EraStarts: break;
    }
  }
  if (!intact && problem != nullptr) *problem = std::move(reading.damage);
  return intact;
}

LoadedReferenceData loadReferenceData(const DataFileBytes& bytesOf, const SettingsReader& readSettings) {
  LoadedReferenceData loaded;
  for (DataFile file : {DataFile::Holidays, DataFile::Eras, DataFile::SecondCourtEras, DataFile::NewMoons,
                        DataFile::Settings, DataFile::HolidayLaw, DataFile::EraStarts}) {
    if (file == DataFile::Settings && !readSettings) continue;
    const std::optional<std::string> bytes = bytesOf(dataFileName(file));
    std::vector<Problem> problems;
    std::size_t count = 0;  // the law's damaged lines; problems holds the first few
    if (!bytes) {
      problems.push_back({dataFileName(file), 0, messages::FileMissing});
      loaded.data.unreadFiles.emplace_back(dataFileName(file));
    } else if (file == DataFile::Settings) {
      Problem problem;
      if (!readSettings(*bytes, problem)) problems.push_back(std::move(problem));
    } else if (file == DataFile::HolidayLaw && bytes->size() <= MaxDataFileBytes) {
      HolidayLawReading reading = readHolidayLaw(*bytes);
      count = reading.problemCount;
      if (reading.ok()) {
        loaded.data.holidayLaw = std::move(reading.law);
        loaded.data.lawComplete = true;
      }
      problems = std::move(reading.problems);
    } else {
      Problem problem;
      if (!readDataFile(file, *bytes, loaded.data, &problem)) problems.push_back(std::move(problem));
    }
    if (problems.empty()) continue;
    std::string message = messages::DataFileHeading;
    for (std::size_t i = 0; i < problems.size() && i < MaxListedProblems; ++i) message += "\n" + problems[i].text();
    count = std::max(count, problems.size());
    if (count > MaxListedProblems) message += "\n" + messages::moreProblems(count - MaxListedProblems);
    loaded.messages.push_back(std::move(message));
    loaded.problems.insert(loaded.problems.end(), problems.begin(), problems.end());
  }
  return loaded;
}

std::string messageOnOneLine(std::string message) {
  for (std::size_t at = message.find('\n'), n = 0; at != std::string::npos; at = message.find('\n', at), ++n)
    message.replace(at, 1, n == 0 ? " " : "; ");
  return message;
}

}  // namespace ventorel
