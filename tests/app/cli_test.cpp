// The command line as a user runs it: options, exit statuses, the transcript.
#include "app/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/year_range.h"
#include "app/year_text.h"
#include "app/calendar_sources.h"
#include "data/reference_data.h"
#include "output/ics_calendar.h"
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
           {}, {"--format"}, {"--format", "pdf", "2024"}, {"--folder"}, {"--colour", "2024"}, {"--place"},
           {"--place", "atlantis", "2024"}, {"--place", "91,0", "2024"}, {"--format", "ics", "2024..10000"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, ExitUsage) << (args.empty() ? "(none)" : args[0]);
    // The reason and the hint, two lines, not the whole help.
    EXPECT_NE(r.err.find("ventorel-cli --help"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
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

// --date gives the day's sun at the place --place names, 東京 without it.
TEST(CommandLine, TheDateIsShownForThePlace) {
  TempFolder folder;
  testing::copyShippedData(folder);
  struct Case { std::vector<std::string> place; const char* line; };
  for (const Case& c : std::vector<Case>{
           {{}, "太陽：日の出 04:36　南中 11:37　日の入 18:39（東京）"},
           {{"--place", "naha"}, "太陽：日の出 05:43　南中 12:26　日の入 19:09（那覇）"}}) {
    std::vector<std::string> args = {"--folder", folder.path(), "--date", "2024-05-15"};
    args.insert(args.end(), c.place.begin(), c.place.end());
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, ExitDone) << r.err;
    EXPECT_NE(r.out.find(c.line), std::string::npos) << r.out;
  }
}

TEST(CommandLine, NegativeYearsAreYearsNotOptions) {
  TempFolder folder;
  const CliResult r = runCli({"--folder", folder.path(), "--format", "csv", "-660"});
  EXPECT_NE(r.status, ExitUsage) << r.err;
}

TEST(CommandLine, AMissingOrDamagedDataFileIsNamedWithItsLineAndExitsWithSeven) {
  struct Case {
    const char* file;
    std::string from, to;  // the first `from` in the shipped file becomes `to`; no `from`: the file is removed
    std::vector<std::string> years;
    int status;
    std::string message;  // the one line on standard error
  };
  const Case cases[] = {
      {"gen1.dat", "\n230,1848,", "\n230,18x8,", {"2024"}, ExitDataFileProblem,
       "message: あれー？ gen1.dat 230行目：始まりの年が整数ではありません\n"},
      {"singetu.dat", "\n2099,", "\n2099,13,", {"2024"}, ExitDataFileProblem, "message: あれー？ singetu.dat "},
      {"shuku.dat", "", "", {"2024"}, ExitDataFileProblem,
       "message: あれー？ shuku.dat：ファイルがないか、読めません\n"},
      {"holiday_law.dat", "\n2019-05-01  -  ", "\n2019-05-32  -  ", {"2024"}, ExitDataFileProblem,
       "message: あれー？ holiday_law.dat 97行目："},
      {"singetu.dat", "", "", {"abc", "2024"}, ExitNotANumber, "message: あれー？ singetu.dat："},  // a failed year goes first
  };
  for (const Case& c : cases) {
    TempFolder folder;
    testing::copyShippedData(folder);
    std::string text = folder.read(c.file);
    if (c.from.empty()) {
      std::filesystem::remove(folder.file(c.file));
    } else {
      ASSERT_NE(text.find(c.from), std::string::npos) << c.file;
      folder.write(c.file, text.replace(text.find(c.from), c.from.size(), c.to));
    }
    std::vector<std::string> args = {"--folder", folder.path(), "--format", "csv"};
    args.insert(args.end(), c.years.begin(), c.years.end());
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, c.status) << c.file << "\n" << r.err;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    // The calendar is still made, without the file: no era line from the rows before the damage.
    const std::string csv = folder.read("2024年カレンダー.csv");
    // The data table names no emperor: its days carry their Japanese dates, from era_starts.dat.
    EXPECT_EQ(csv.find("弘化"), std::string::npos) << c.file;
    EXPECT_EQ(csv.find("令和6年") == std::string::npos, std::string(c.file) == "era_starts.dat") << c.file;
  }
}

TEST(CommandLine, HolidaysArePrintedAsDateTabNameAndNoFileIsWritten) {
  TempFolder folder;
  testing::copyShippedData(folder);
  const CliResult r = runCli({"--folder", folder.path(), "--holidays", "1989", "1947", "0"});
  EXPECT_EQ(r.status, ExitYearZero) << r.err;
  EXPECT_EQ(r.out.rfind("1989-01-01\t元日\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n1989-02-24\t昭和天皇の大喪の礼\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\n1947-02-11\t紀元節\n"), std::string::npos) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 17 + 12) << r.out;  // 1947: the 12 祝祭日
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 7) << "only the data files";
}

TEST(CommandLine, TheTranscriptPrintsGridXTabText) {
  TempFolder folder;
  testing::copyShippedData(folder);
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

// A batch keeps the skies of the years it has computed for the runs after; its
// files and window lines are those of each year run alone, in both bases: across
// the changes of sky source (the new-moon table's ends, the precise sky's end at
// 3000), backwards, repeated, and over year 0. Without --transcript (nothing
// drawn) the batch writes the same files and prints nothing.
TEST(CommandLine, ABatchMakesWhatEachYearAloneMakes) {
  const std::vector<std::string> years{"1899", "1900", "1901", "1902", "1903", "1901", "1902", "1902", "2099",
                                       "2098", "2097", "2999", "3000", "3001", "3002", "3000", "-2",   "-1",   "1"};
  for (const bool classic : {true, false}) {
    SCOPED_TRACE(classic ? "classic" : "true");
    // A repeated option changes nothing: the true basis is the default.
    const std::string basis = classic ? "--classic" : "--transcript";
    TempFolder alone, batch, plain;
    testing::copyShippedData(alone);
    testing::copyShippedData(batch);
    testing::copyShippedData(plain);
    std::vector<std::string> args{"--folder", batch.path(), "--transcript", basis, "--format", "csv"};
    args.insert(args.end(), years.begin(), years.end());
    const CliResult together = runCli(args);
    ASSERT_EQ(together.status, ExitDone) << together.err;
    std::vector<std::string> plainArgs{"--folder", plain.path(), "--format", "csv", "--quiet"};
    if (classic) plainArgs.push_back("--classic");
    plainArgs.insert(plainArgs.end(), years.begin(), years.end());
    const CliResult quiet = runCli(plainArgs);
    ASSERT_EQ(quiet.status, ExitDone) << quiet.err;
    EXPECT_EQ(quiet.out, "");
    std::string transcripts;
    for (const std::string& year : years) {
      const CliResult single = runCli({"--folder", alone.path(), "--transcript", basis, "--format", "csv", "--", year});
      ASSERT_EQ(single.status, ExitDone) << single.err;
      transcripts += single.out;
      const std::string file = (year[0] == '-' || !classic ? "" : " ") + year + "年カレンダー.csv";
      EXPECT_EQ(batch.read(file), alone.read(file)) << year;
      EXPECT_EQ(plain.read(file), alone.read(file)) << year;
    }
    EXPECT_EQ(together.out, transcripts);
  }
}

// A calendar of many years, streamed to standard output or into one file as the
// years are made, is the calendar rendered at once from all their events: named
// after the first and last year it can date, and a year given twice numbering its
// UIDs on from its first time.
TEST(CommandLine, OneCalendarOfManyYearsIsTheCalendarOfAllTheirEvents) {
  ::setenv("SOURCE_DATE_EPOCH", "0", 1);
  testing::ShippedProgram program;
  const ReferenceData& data = *program.recorded.data;
  for (const std::vector<std::string>& years : std::vector<std::vector<std::string>>{
           {"2023..2024", "2024"}, {"-2", "-1", "1", "2"}, {"9998", "9999", "10000", "10001"},
           {"１０００", "1..3", "2"}, {"10000", "10002"}}) {
    SCOPED_TRACE(years.front());
    std::string events;
    ics::EventCounts seen;
    std::vector<double> dated;
    for (const std::string& argument : years) {
      std::string error;
      const std::optional<YearSpan> span = parseYearArgument(argument, error);
      for (std::uint64_t i = 0; i < span->size(); ++i) {
        const CalendarYear year = computeCalendar(*parseYearText((*span)[i]), CalendarBasis::True, data).year;
        if (!icsRepresentable(year)) continue;
        dated.push_back(year.enteredYear);
        appendIcsEvents(events, year, data.names, {}, ics::utcStamp(0), seen);
      }
    }
    const std::string expected =
        dated.empty() ? "" : icsCalendarHead(icsTitle(dated.front(), dated.back())) + events + std::string(ics::CalendarTail);
    std::vector<std::string> args{"--folder", program.folder.path(), "--format", "ics", "--stdout", "--"};
    args.insert(args.end(), years.begin(), years.end());
    EXPECT_TRUE(runCli(args).out == expected);
    std::filesystem::remove(program.folder.file("all.ics"));
    args[4] = "--output";
    args.insert(args.begin() + 5, program.folder.file("all.ics"));
    runCli(args);
    EXPECT_TRUE((std::filesystem::exists(program.folder.file("all.ics")) ? program.folder.read("all.ics") : "") == expected);
  }
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
  testing::copyShippedData(folder);
  std::string table;
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int y = 1901, rows = 0; rows < NewMoonRows; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= lengths[m - 1] + (m == 2 && y % 4 == 0) && rows < NewMoonRows; ++d, ++rows)
        table += std::to_string(y) + "," + std::to_string(m) + "," + std::to_string(d) + "\r\n";
  folder.write("singetu.dat", table);  // every day from 1901 on a new moon
  const CliResult r = runCli({"--folder", folder.path(), "--format", "csv", "--classic", "1902"});
  EXPECT_EQ(r.status, ExitRunError) << r.err;
  // Told in the catalogue's words, not the exception's.
  EXPECT_NE(r.err.find("message: 計算を続けられませんでした（計算が表の範囲を超えました"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace ventorel
