// libFuzzer target over the data-file readers. The first byte of an input picks
// the reader (0: the bare field stream; 1..5: "shuku.dat", "gen1.dat", "gen2.dat",
// "singetu.dat", "ini.dat"; 6: the holiday law, then a year of it evaluated); the
// rest are the file's bytes. Any crash, sanitizer report or escaped exception is
// a finding, and so is a damaged file reported under another name, without a
// reason or at a line the file does not have. Every input gets fresh reference data.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/app_settings.h"
#include "calendar/holiday_law_days.h"
#include "data/data_files.h"
#include "data/field_reader.h"
#include "data/holiday_law.h"
#include "data/text_encoding.h"

namespace {

void readFields(std::string_view bytes) {
  const std::optional<std::string> text = ventorel::dataFileText(bytes);
  if (!text) return;
  ventorel::FieldReader reader(*text);
  std::string field;
  // Every call consumes input or ends, so the loop is bounded by the input size.
  for (std::size_t i = 0; i <= text->size() + 1; ++i)
    if (reader.next(field) != ventorel::FieldReader::Status::Field) return;
  __builtin_trap();  // more fields than bytes: the reader failed to advance
}

// Reads a law and applies it to a year picked by the input, where its rules
// are in force; every holiday must be a real day of that year, in date order.
void readAndApplyHolidayLaw(std::string_view bytes) {
  const ventorel::HolidayLawReading reading = ventorel::readHolidayLaw(bytes);
  for (const auto& problem : reading.problems)
    if (problem.text().empty()) __builtin_trap();
  if (reading.law.rules().empty()) return;
  const int year = static_cast<int>(reading.law.rules().front().from / 10000) + static_cast<int>(bytes.size() % 3);
  // The spring equinox in a month picked by the input too, as far-off years have it.
  const ventorel::EquinoxDates equinoxes{1 + static_cast<int>(bytes.size() % 12), 1 + static_cast<int>(bytes.size() % 28),
                                         9, 23};
  int previous = 0;
  for (const ventorel::Holiday& h : ventorel::holidaysOfYear(reading.law, std::int64_t{year}, equinoxes)) {
    const int date = h.month * 100 + h.day;
    if (h.month < 1 || h.month > 12 || h.day < 1 || h.day > 31 || date <= previous) __builtin_trap();
    previous = date;
    (void)ventorel::holidayName(reading.law, h);
  }
}

// Reads one data file; a damaged one must name the file, say what is wrong and
// give a line the file has (line ends are CR LF, LF or CR).
void readOne(ventorel::DataFile file, std::string_view bytes, ventorel::ReferenceData& state) {
  ventorel::Problem problem;
  if (ventorel::readDataFile(file, bytes, state, &problem)) return;
  std::size_t lines = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    lines += bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
  if (problem.file != ventorel::dataFileName(file) || problem.message.empty() || problem.line < 0 ||
      static_cast<std::size_t>(problem.line) > lines)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Fresh reference data for every input, so that no input depends on the ones before it.
  const auto state = std::make_unique<ventorel::ReferenceData>();
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 7) {
    case 0: readFields(bytes); break;
    case 1: readOne(ventorel::DataFile::Holidays, bytes, *state); break;
    case 2: readOne(ventorel::DataFile::Eras, bytes, *state); break;
    case 3: readOne(ventorel::DataFile::SecondCourtEras, bytes, *state); break;
    case 4: readOne(ventorel::DataFile::NewMoons, bytes, *state); break;
    case 5: {
      ventorel::AppSettings settings;
      ventorel::Problem problem;
      if (!ventorel::readAppSettings(bytes, settings, &problem) && problem.message.empty()) __builtin_trap();
      break;
    }
    case 6: readAndApplyHolidayLaw(bytes); break;
  }
  return 0;
}
