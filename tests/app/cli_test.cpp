// The command line as a user runs it: options, exit statuses, the transcript.
#include "app/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

CliResult runCli(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = runCommandLine(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLine, UsageErrorsExitWithTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"--format"}, {"--format", "pdf", "2024"}, {"--folder"}, {"--colour", "2024"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, ExitUsage) << (args.empty() ? "(none)" : args[0]);
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
  }
  const CliResult help = runCli({"--help"});
  EXPECT_EQ(help.status, ExitDone);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
  EXPECT_NE(help.out.find("--classic"), std::string::npos);
}

TEST(CommandLine, ExitStatusesOfTheRefusals) {
  TempFolder folder;
  struct Case { const char* year; int status; };
  for (const Case c : {Case{"0", ExitYearZero}, {"abc", ExitNotANumber}, {"12x", ExitNotANumber}}) {
    const CliResult r = runCli({"--folder", folder.path(), c.year});
    EXPECT_EQ(r.status, c.status) << c.year;
  }
  const CliResult zero = runCli({"--folder", folder.path(), "--transcript", "0"});
  EXPECT_NE(zero.out.find("0\t紀元0年とは"), std::string::npos) << zero.out;
}

TEST(CommandLine, NegativeYearsAreYearsNotOptions) {
  TempFolder folder;
  const CliResult r = runCli({"--folder", folder.path(), "--format", "csv", "-660"});
  EXPECT_NE(r.status, ExitUsage) << r.err;
}

TEST(CommandLine, MissingDataFilesAreReportedOnStandardError) {
  TempFolder folder;
  const CliResult r = runCli({"--folder", folder.path(), "--format", "csv", "2024"});
  EXPECT_NE(r.err.find("message: あれー？"), std::string::npos) << r.err;
}

TEST(CommandLine, HolidaysArePrintedAsDateTabNameAndNoFileIsWritten) {
  TempFolder folder;
  testing::copyShippedData(folder);
  const CliResult r = runCli({"--folder", folder.path(), "--holidays", "1989", "1947", "0"});
  EXPECT_EQ(r.status, ExitYearZero) << r.err;
  EXPECT_EQ(r.out.rfind("1989-01-01\t元日\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n1989-02-24\t昭和天皇の大喪の礼\n"), std::string::npos) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 17) << r.out;  // 1947 has none
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 6) << "only the data files";
}

TEST(CommandLine, TheTranscriptPrintsGridXTabText) {
  TempFolder folder;
  const CliResult r = runCli({"--folder", folder.path(), "--transcript", "--format", "csv", "2024"});
  EXPECT_EQ(r.status, ExitDone) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_NO_THROW((void)std::stoi(line.substr(0, tab))) << line;
  }
  EXPECT_GT(count, 0);
}

TEST(CommandLine, TheFirstFailureDecidesTheStatusAndTheOtherYearsStillRun) {
  TempFolder folder;
  const CliResult r = runCli({"--folder", folder.path(), "--transcript", "--format", "csv", "0", "abc", "2024"});
  EXPECT_EQ(r.status, ExitYearZero);
}

TEST(CommandLine, TheProgramItselfExitsWithFourForYearZero) {
  TempFolder folder;
  const std::string command = std::string("'") + VENTOREL_CLI + "' --folder '" + folder.path() + "' 0 2>/dev/null >/dev/null";
  const int rc = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  EXPECT_EQ(WEXITSTATUS(rc), ExitYearZero);
}

}  // namespace
}  // namespace ventorel

namespace ventorel {
namespace {

TEST(CommandLine, ARunThatEndsOnAnErrorExitsWithFive) {
  testing::TempFolder folder;
  std::string table;
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= lengths[m - 1]; ++d) table += "1901," + std::to_string(m) + "," + std::to_string(d) + "\r\n";
  folder.write("singetu.dat", table);  // every day of 1901 a new moon
  const CliResult r = runCli({"--folder", folder.path(), "--format", "csv", "--classic", "1902"});
  EXPECT_EQ(r.status, ExitRunError) << r.err;
  EXPECT_NE(r.err.find("lunarMonthSeq"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace ventorel
