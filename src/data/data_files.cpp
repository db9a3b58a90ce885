#include "data/data_files.h"

#include <array>
#include <cmath>
#include <string>

#include "data/field_reader.h"
#include "data/numbers.h"
#include "data/text.h"
#include "data/text_encoding.h"
#include "data/value.h"

namespace ventorel {

namespace {

constexpr int HolidayRows = 20;  // rows 1..20 of the holiday tables, terminators included

// Reads exactly N fields. False when the stream ends or breaks first.
template <std::size_t N>
bool readRecord(FieldReader& reader, std::array<std::string, N>& fields) {
  for (auto& field : fields)
    if (reader.next(field) != FieldReader::Status::Field) return false;
  return true;
}

// The whole number a field holds, when it is one within lo..hi.
bool integerField(std::string_view field, double lo, double hi, double& value) {
  if (!isWholeNumber(field)) return false;
  value = numericValue(field);
  return std::isfinite(value) && value == std::floor(value) && value >= lo && value <= hi;
}

bool isGregorianLeapYear(double y) {
  return std::fmod(y, 4) == 0 && (std::fmod(y, 100) != 0 || std::fmod(y, 400) == 0);
}

int daysInMonth(double year, int month) {
  static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isGregorianLeapYear(year) ? 29 : days[month - 1];
}

// "shuku.dat". Section 1: month, day, name records; an empty name ends the section
// and its record occupies a row. Section 2: rule, name records from the next row
// on, up to the record with an empty name. The row number runs on across both.
bool readHolidays(FieldReader& reader, HolidayFile& holidays) {
  int row = 1;
  while (true) {
    if (row > HolidayRows) return false;
    std::array<std::string, 3> f;  // month, day, name
    if (!readRecord(reader, f)) return false;
    const bool terminator = f[2].empty();
    double month = 0, day = 0;
    if (terminator) {
      // The terminator's month and day are not used; they may be empty.
      if ((!f[0].empty() && !isWholeNumber(f[0])) || (!f[1].empty() && !isWholeNumber(f[1]))) return false;
    } else if (!integerField(f[0], 1, 12, month) || !integerField(f[1], 1, 31, day)) {
      return false;
    }
    holidays.holidayDate(1, row) = Value::fromField(f[0]);
    holidays.holidayDate(2, row) = Value::fromField(f[1]);
    holidays.holidayName[row] = f[2];
    if (terminator) break;
    ++row;
  }
  while (true) {
    ++row;
    if (row > HolidayRows) return false;
    std::array<std::string, 2> f;  // rule, name
    if (!readRecord(reader, f)) return false;
    const bool closing = f[1].empty();
    if (!closing) {
      // The month is the numeric value of the first two characters, n that of the
      // last four: "01月第2月曜日" is the second Monday of January.
      const double month = numericValue(leftChars(f[0], 2));
      const double n = numericValue(rightChars(f[0], 4));
      if (charCount(f[0]) < 4 || month != std::floor(month) || month < 1 || month > 12 || n != std::floor(n) ||
          n < 1 || n > 5)
        return false;
    }
    holidays.holidayRule[row] = f[0];
    holidays.holidayName[row] = f[1];
    if (closing) return true;
  }
}

// "gen1.dat" and "gen2.dat": six-field rows (row number, first year, era, period,
// emperor, reading) up to the end of the file, in ascending order of first year.
bool readEras(FieldReader& reader, EraTable& table, int& rowCount) {
  rowCount = 0;
  double previousFirstYear = -INFINITY;
  while (true) {
    std::array<std::string, 6> f;
    const FieldReader::Status first = reader.next(f[0]);
    if (first == FieldReader::Status::End) break;
    if (first == FieldReader::Status::Malformed) return false;
    for (std::size_t j = 1; j < f.size(); ++j)
      if (reader.next(f[j]) != FieldReader::Status::Field) return false;
    if (rowCount == MaxEraRows) return false;
    double firstYear = 0;
    if (!integerField(f[1], -INFINITY, INFINITY, firstYear) || firstYear < previousFirstYear) return false;
    previousFirstYear = firstYear;
    const int row = rowCount + 1;
    for (int j = 1; j <= 6; ++j) table(row, j) = f[static_cast<std::size_t>(j - 1)];
    rowCount = row;
  }
  return rowCount > 0;  // a file without a single era is damaged
}

// "singetu.dat": rows 1..2461 of year, month, day, each date after the one before.
bool readNewMoons(FieldReader& reader, NewMoonTable& table) {
  double previous[3] = {-INFINITY, 0, 0};
  for (int r = 1; r <= NewMoonRows; ++r) {
    std::array<std::string, 3> f;
    if (!readRecord(reader, f)) return false;
    double year = 0, month = 0, day = 0;
    if (!integerField(f[0], -1e9, 1e9, year) || !integerField(f[1], 1, 12, month) ||
        !integerField(f[2], 1, daysInMonth(year, static_cast<int>(month)), day))
      return false;
    const bool later = year != previous[0] ? year > previous[0]
                       : month != previous[1] ? month > previous[1]
                                              : day > previous[2];
    if (!later) return false;
    previous[0] = year, previous[1] = month, previous[2] = day;
    for (int k = 1; k <= 3; ++k) table(r, k) = Value::fromField(f[static_cast<std::size_t>(k - 1)]);
  }
  return true;
}

// "ini.dat": the output format, 0 (HTML) or 1 (CSV); then, in files written since
// the calendar could be chosen, 1 for the classic calendar. A file of the format
// alone chooses the true sky, and so does a second field that is not 1: the
// choice is a preference, not worth refusing the format for.
bool readSettings(FieldReader& reader, Value& outputFormat, bool& classicCalendar) {
  std::string field;
  if (reader.next(field) != FieldReader::Status::Field) return false;
  Value format = Value::fromField(field);
  if (!format.equals(0) && !format.equals(1)) return false;
  outputFormat = std::move(format);
  classicCalendar = reader.next(field) == FieldReader::Status::Field && Value::fromField(field).equals(1);
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
  }
  return "";
}

namespace {

// The law is taken only when every line of it was read: a law without its damaged
// lines would place wrong holidays, so the calendar then keeps to "shuku.dat".
std::vector<HolidayLawProblem> readLaw(std::string_view bytes, ReferenceData& data) {
  HolidayLawReading reading = readHolidayLaw(bytes);
  if (reading.ok()) {
    data.holidayLaw = std::move(reading.law);
    data.lawComplete = true;
  }
  return std::move(reading.problems);
}

// The most damaged lines a message lists.
constexpr std::size_t MaxListedProblems = 5;

}  // namespace

bool readDataFile(DataFile file, std::string_view bytes, ReferenceData& data) {
  if (file == DataFile::HolidayLaw) return readLaw(bytes, data).empty();
  const std::optional<std::string> text = dataFileText(bytes);
  if (!text) return false;
  FieldReader reader(*text);
  switch (file) {
    case DataFile::Holidays: return readHolidays(reader, data.holidays);
    case DataFile::Eras: return readEras(reader, data.eras.table, data.eras.rowCount);
    case DataFile::SecondCourtEras: return readEras(reader, data.secondCourtEras.table, data.secondCourtEras.rowCount);
    case DataFile::NewMoons: return readNewMoons(reader, data.newMoonTable);
    case DataFile::Settings: return readSettings(reader, data.outputFormat, data.classicCalendar);
    case DataFile::HolidayLaw: break;
  }
  return false;
}

LoadedReferenceData loadReferenceData(const DataFileBytes& bytesOf) {
  LoadedReferenceData loaded;
  for (DataFile file : {DataFile::Holidays, DataFile::Eras, DataFile::SecondCourtEras, DataFile::NewMoons,
                        DataFile::Settings, DataFile::HolidayLaw}) {
    const std::optional<std::string> bytes = bytesOf(dataFileName(file));
    std::string message = MissingFileMessage;
    if (bytes && file == DataFile::HolidayLaw) {
      const std::vector<HolidayLawProblem> problems = readLaw(*bytes, loaded.data);
      if (problems.empty()) continue;
      for (std::size_t i = 0; i < problems.size() && i < MaxListedProblems; ++i) message += "\n" + problems[i].text();
      if (problems.size() > MaxListedProblems)
        message += "\n(" + std::to_string(problems.size() - MaxListedProblems) + " more)";
    } else if (bytes && readDataFile(file, *bytes, loaded.data)) {
      continue;
    }
    loaded.problems.push_back(file);
    loaded.messages.push_back(std::move(message));
  }
  return loaded;
}

std::string settingsFileText(const Value& outputFormat, bool classicCalendar) {
  std::string field;
  if (outputFormat.isNumber())
    field = trimmedNumber(outputFormat.number());
  else if (outputFormat.isText())
    field = "\"" + outputFormat.text() + "\"";
  else
    field = "0";
  return field + "\r\n" + (classicCalendar ? "1" : "0") + "\r\n";
}

}  // namespace ventorel
