// libFuzzer target over the command line's options: the input is the argument
// list, NUL-separated. Every run reads the shipped data files from a folder of
// its own and writes there: options that would name another place to write to or
// start a program (--folder, --output, --open) are left out of the list, and so are
// years beyond the first four (a range counts all its years). Besides crashes and
// sanitizer reports, it traps on an exit status the command line does not have,
// on a write that fails in a writable folder, and on a usage error without the
// usage text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli.h"
#include "app/year_range.h"
#include "fuzz_folder.h"

namespace {

// The program folder: the shipped data files, copied once per process.
const std::string& programFolder() {
  static const std::string folder = [] {
    const std::string made = ventorel::fuzzing::makeScratchFolder("ventorel-fuzz-cli");
    for (const auto& entry : std::filesystem::directory_iterator(VENTOREL_DATA_DIR))
      if (entry.path().extension() == ".dat") std::filesystem::copy_file(entry.path(), std::filesystem::path(made) / entry.path().filename());
    return made;
  }();
  return folder;
}

// Options that take a place to write to, with their value, and those that start another program.
bool leftOut(const std::string& arg) { return arg == "--open"; }
bool leftOutWithValue(const std::string& arg) { return arg == "--folder" || arg == "--output"; }

constexpr std::size_t MaxArgs = 12;
constexpr std::uint64_t MaxYears = 4;  // each year is a whole run; a longer batch is more of the same

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> given;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    given.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  std::vector<std::string> args = {"--folder", programFolder()};
  std::uint64_t years = 0;
  for (std::size_t i = 0; i < given.size() && args.size() < MaxArgs; ++i) {
    if (leftOutWithValue(given[i])) {
      ++i;
      continue;
    }
    if (leftOut(given[i])) continue;
    std::string error;
    if (const auto span = ventorel::parseYearArgument(given[i], error)) {
      if (span->size() > MaxYears - years) continue;
      years += span->size();
    }
    args.push_back(given[i]);
  }
  std::ostringstream out, err;
  const int status = ventorel::runCommandLine(args, out, err);
  switch (status) {
    case ventorel::ExitDone:
    case ventorel::ExitNotANumber:
    case ventorel::ExitYearZero:
    case ventorel::ExitRunError:
    case ventorel::ExitDataFileProblem: break;
    case ventorel::ExitUsage:
      if (err.str().find("usage:") == std::string::npos) __builtin_trap();
      break;
    default: __builtin_trap();  // a write failure in a writable folder, or a status that does not exist
  }
  return 0;
}
