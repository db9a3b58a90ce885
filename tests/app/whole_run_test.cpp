// A whole run of the window with the shipped data files: each format's file is
// written where the user looks for it and handed to the program that shows it.
// What the page and the CSV file say is the golden files' (tests/golden).
#include <gtest/gtest.h>

#include "output/csv_reader.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

TEST(WholeRun, EachFormatIsWrittenAndHandedOn) {
  testing::ShippedProgram program;
  EXPECT_TRUE(program.problems.empty());
  testing::RecordedRun& run = program.recorded;
  const RunReport page = run.run("2024", "htm形式");
  EXPECT_EQ(page.status, RunStatus::Done) << page.problem.text();
  EXPECT_EQ(run.launcher.browserPaths, std::vector<std::string>{program.folder.file(" 2024年カレンダー.htm")});
  const RunReport csv = run.run("-660", "csv形式");
  EXPECT_EQ(csv.status, RunStatus::Done) << csv.problem.text();
  EXPECT_EQ(run.launcher.spreadsheetPaths, std::vector<std::string>{program.folder.file("-660年カレンダー.csv")});
  std::string error;
  EXPECT_TRUE(testing::readStrictCsv(program.folder.read("-660年カレンダー.csv").substr(3), error)) << error;
}

}  // namespace
}  // namespace ventorel
