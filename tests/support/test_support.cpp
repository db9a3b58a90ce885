#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/program_folder.h"
#include "platform/file_io.h"

namespace ventorel::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ventorel-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(file(name), std::ios::binary);
  out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> dataLines(const std::string& path) {
  std::ifstream in(std::string(VENTOREL_SOURCE_DIR) + "/" + path);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  return lines;
}

std::vector<std::string> splitFields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t at; (at = line.find(separator, from)) != std::string::npos; from = at + 1)
    fields.push_back(line.substr(from, at - from));
  fields.push_back(line.substr(from));
  return fields;
}

std::string shippedDataFolder() { return std::string(VENTOREL_SOURCE_DIR) + "/data"; }

void copyShippedData(const TempFolder& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(shippedDataFolder()))
    if (entry.path().extension() == ".dat")
      std::filesystem::copy_file(entry.path(), folder.path() + "/" + entry.path().filename().string(),
                                 std::filesystem::copy_options::overwrite_existing);
}

const ReferenceData& shippedData() {
  static const LoadedProgramFolder loaded = loadProgramFolder(shippedDataFolder());
  for (const DataFileProblem& problem : loaded.problems) ADD_FAILURE() << problem.text();
  return loaded.data;
}

const std::map<int, std::vector<std::string>>& referenceHolidays() {
  static const std::map<int, std::vector<std::string>> byYear = [] {
    std::map<int, std::vector<std::string>> read;
    for (const char* file : {"holidays_1948_2026.csv", "holidays_2027_2050.csv"}) {
      std::ifstream in(std::string(VENTOREL_SOURCE_DIR) + "/tests/data/" + file);
      std::string row;
      std::getline(in, row);  // header
      while (std::getline(in, row)) {
        std::string name = row.substr(11, row.find(',', 11) - 11);
        if (name == "即位の日") name = "天皇の即位の日";  // the list's short form of the law's name
        read[std::stoi(row.substr(0, 4))].push_back(row.substr(0, 10) + " " + name);
      }
    }
    return read;
  }();
  return byYear;
}

CalendarYear calendarOf(double enteredYear, CalendarBasis basis) {
  return computeCalendar(enteredYear, basis, shippedData()).year;
}

const CalendarDay& dayOf(const CalendarYear& year, int month, int day) {
  for (const CalendarDay& d : year.days)
    if (d.month == month && d.day == day) return d;
  throw std::out_of_range("no day " + std::to_string(month) + "-" + std::to_string(day));
}

RecordedRun::RecordedRun() : data(std::make_unique<ReferenceData>()) {
  comboText = data->names.formatName[0];
  settings.programFolder = folder.path();
}

RunReport RecordedRun::run(const std::string& yearText) {
  RunContext context{surface, launcher};
  return runGeneration(*data, settings, RunInputs{yearText, basis}, comboText, context);
}

RunReport RecordedRun::run(const std::string& yearText, const std::string& format) {
  comboText = format;
  return run(yearText);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  // The process is set up as the programs set themselves up, so that a write past
  // the limit fails with an error instead of ending the tests.
  ignoreFileSizeSignal();
  rlimit limited = saved_;
  limited.rlim_cur = bytes;
  if (setrlimit(RLIMIT_FSIZE, &limited) != 0) throw std::runtime_error("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
}

ShippedProgram::ShippedProgram() {
  copyShippedData(folder);
  LoadedProgramFolder loaded = loadProgramFolder(folder.path());
  *recorded.data = std::move(loaded.data);
  problems = std::move(loaded.problems);
  recorded.settings.programFolder = folder.path();
  recorded.settings.outputFormat = loaded.settings.outputFormat;
}

}  // namespace ventorel::testing
