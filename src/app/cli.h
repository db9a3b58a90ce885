// The command line's work, apart from main() so that the tests can drive it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ventorel {

// Exit statuses of the command line.
enum CliStatus {
  ExitDone = 0,
  ExitUsage = 2,
  ExitNotANumber = 3,
  ExitYearZero = 4,
  ExitRunError = 5,
  ExitWriteFailed = 6,
  ExitDataFileProblem = 7,  // a data file is missing or damaged; the calendar was made without it
};

// Runs `ventorel-cli ARGS...`; returns the exit status (the first failure's, when
// several years are given; the remaining years still run).
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ventorel
