// libFuzzer target over a whole run: the year text and the data files in, the
// calendar file out, with fresh reference data for every input.
//
// Input: one flag byte, then sections separated by NUL bytes: the year text, then
// the bytes of each data file whose flag bit is set, in loading order, then those
// of holiday_law.dat. A file whose bit is clear (or the law without a section) is
// the shipped one; a set bit without its section is a missing file.
// Flags: bit 0 the format (0 htm, 1 csv); bits 1..5 shuku.dat, gen1.dat, gen2.dat,
// singetu.dat, ini.dat; bit 6 the classic basis (else the true one); bit 7 the
// settings save afterwards.
//
// Besides crashes, sanitizer reports and escaped exceptions, it traps when the run
// breaks its promises: a write that fails in a writable folder, a run error without
// a message, a problem that does not name its file, a file written outside the
// folder, a CSV cell that a spreadsheet would evaluate as a formula, a page whose markup a data
// text has changed, or a saved format that does not read back.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/generation_run.h"
#include "app/program_folder.h"
#include "fuzz_folder.h"
#include "data/data_files.h"
#include "platform/file_io.h"
#include "platform/recording.h"

namespace {

using namespace ventorel;

constexpr const char* FileNames[] = {"shuku.dat", "gen1.dat", "gen2.dat", "singetu.dat", "ini.dat"};

// A shipped data file's bytes, read once; none when the file is not shipped.
std::optional<std::string> shippedBytes(const std::string& name) {
  static std::map<std::string, std::optional<std::string>> cache;
  const auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  std::ifstream in(std::string(VENTOREL_DATA_DIR) + "/" + name, std::ios::binary);
  std::optional<std::string> bytes;
  if (in) bytes = std::string(std::istreambuf_iterator<char>(in), {});
  return cache[name] = bytes;
}

// The folder the runs write into, one per process, on the RAM disk when there is
// one; it holds an ini.dat so that the settings save has a file to replace.
const std::string& outputFolder() {
  static const std::string folder = [] {
    const std::string made = fuzzing::makeScratchFolder("ventorel-fuzz-run");
    std::ofstream(made + "/ini.dat") << "0\r\n";
    return made;
  }();
  return folder;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.push_back(text);
  return parts;
}

bool looksLikeFormula(std::string_view cell) {
  return !cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos;
}

// A bare (unquoted) cell of the data table is a plain decimal number.
bool isPlainNumber(std::string_view cell) {
  if (!cell.empty() && cell.front() == '-') cell.remove_prefix(1);
  const std::size_t point = cell.find('.');
  const std::string_view whole = cell.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "0" : cell.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digits(whole) && digits(fraction);
}

// Every quoted cell of the CSV text but the classic day rows' first (the year,
// "-660年" for 661 BC) must not begin like a formula; quotes inside are doubled.
// The data table of the true basis writes its numbers bare.
void checkCsv(std::string_view text) {
  std::size_t column = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '"') {
      const std::size_t end = std::min(text.find(',', i), text.find("\r\n", i));
      if (!isPlainNumber(text.substr(i, end - i))) __builtin_trap();
      i = std::min(end, text.size());
    } else {
      std::string cell;
      for (++i; i < text.size(); ++i) {
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
          cell += text[i++];
        } else if (text[i] == '"') {
          break;
        } else {
          cell += text[i];
        }
      }
      ++i;  // the closing quote
      const bool dayYear = column == 0 && cell.size() > 4 && cell.compare(cell.size() - 5, 5, "年  ") == 0;
      if (!dayYear && looksLikeFormula(cell)) __builtin_trap();
    }
    if (i < text.size() && text[i] == ',') {
      ++i, ++column;
    } else if (text.substr(i, 2) == "\r\n") {
      i += 2, column = 0;
    } else if (i < text.size()) {
      __builtin_trap();
    }
  }
}

// The page's own markup opens and closes as many angle brackets; a data text
// that added one would change that.
void checkPage(std::string_view page) {
  std::ptrdiff_t open = 0;
  for (const char c : page) open += c == '<' ? 1 : c == '>' ? -1 : 0;
  if (open != 0) __builtin_trap();
}

void checkSettingsSave(const Value& format, bool classicCalendar) {
  AppSettings settings;
  settings.outputFormat = format;
  settings.classicCalendar = classicCalendar;
  std::string bytes, error;
  if (!saveSettings(outputFolder(), settings, error)) __builtin_trap();
  if (!readWholeFile(joinPath(outputFolder(), "ini.dat"), bytes, error)) __builtin_trap();
  AppSettings back;
  const bool read = readAppSettings(bytes, back);
  const bool saved = format.isNumber() && (format.equals(0) || format.equals(1));
  if (read != (saved || format.isUnset())) __builtin_trap();
  if (saved && !back.outputFormat.equals(format.number())) __builtin_trap();
  if (read && back.classicCalendar != classicCalendar) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::vector<std::string_view> sections = split({reinterpret_cast<const char*>(data) + 1, size - 1}, '\0');
  std::map<std::string, std::optional<std::string>> replaced;
  std::size_t next = 1;
  for (int i = 0; i < 5; ++i) {
    if ((flags & (2 << i)) == 0) continue;
    replaced[FileNames[i]] = next < sections.size() ? std::optional<std::string>(sections[next++]) : std::nullopt;
  }
  if (next < sections.size()) replaced["holiday_law.dat"] = std::string(sections[next]);
  AppSettings saved;
  const LoadedReferenceData loaded = loadReferenceData(
      [&](const std::string& name) {
        const auto found = replaced.find(name);
        return found != replaced.end() ? found->second : shippedBytes(name);
      },
      [&saved](std::string_view bytes, Problem& problem) { return readAppSettings(bytes, saved, &problem); });
  for (const Problem& problem : loaded.problems)
    if (problem.file.empty() || problem.message.empty() || problem.text().rfind(problem.file, 0) != 0) __builtin_trap();

  RunSettings settings{outputFolder(), saved.outputFormat};
  RecordingSurface surface;
  RecordingLauncher launcher;
  RunContext context{surface, launcher};
  std::string comboText = loaded.data.names.formatName[flags & 1];
  RunInputs inputs{std::string(sections[0])};
  inputs.basis = (flags & 0x40) != 0 ? CalendarBasis::Classic : CalendarBasis::True;
  const RunReport report = runGeneration(loaded.data, settings, inputs, comboText, context);

  if (report.status == RunStatus::WriteFailed) __builtin_trap();
  if (report.status == RunStatus::RunError && report.problem.ok()) __builtin_trap();
  if (report.status == RunStatus::Done && !report.outputPath.empty()) {
    const std::string prefix = outputFolder() + "/";
    if (report.outputPath.rfind(prefix, 0) != 0 || report.outputPath.find('/', prefix.size()) != std::string::npos)
      __builtin_trap();
    std::string bytes, error;
    if (!readWholeFile(report.outputPath, bytes, error) || bytes.rfind("\xEF\xBB\xBF", 0) != 0) __builtin_trap();
    const std::string_view text = std::string_view(bytes).substr(3);
    if (settings.outputFormat.equals(1)) checkCsv(text);
    else checkPage(text);
    unlink(report.outputPath.c_str());
  }
  if ((flags & 0x80) != 0) checkSettingsSave(settings.outputFormat, saved.classicCalendar);
  return 0;
}
