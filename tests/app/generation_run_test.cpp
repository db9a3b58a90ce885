// The run's skeleton: the year numbering, the new-moon source, the three passes
// and the refusals, with the phases whatever they are at the moment.
#include "app/generation_run.h"

#include <gtest/gtest.h>

#include "astro/day_walk.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::RecordedRun;

TEST(GenerationRun, YearZeroIsRefusedWithItsMessageAndTouchesNothing) {
  for (const char* text : {"0", "00", " 0 ", "０"}) {
    RecordedRun run;
    run.state->dayNotePlain(1, 5) = "left from before";
    run.state->outputFormat = Value(1.0);
    const RunReport report = run.run(text, "htm形式");
    EXPECT_EQ(report.status, RunStatus::YearZero) << text;
    ASSERT_EQ(run.surface.lines.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(run.surface.lines[i].text, "");
    EXPECT_EQ(run.surface.lines[3].text, YearZeroMessage);
    EXPECT_EQ(run.surface.lines[3].fontSize, 24);
    EXPECT_TRUE(run.surface.dots.empty()) << "the background is lost with the clear";
    EXPECT_EQ(run.state->dayNotePlain(1, 5), "left from before");
    EXPECT_TRUE(run.launcher.browserPaths.empty());
    // The format was read at the run start, but the list is not re-synchronised.
    EXPECT_TRUE(run.state->outputFormat.equals(0));
    EXPECT_EQ(run.comboText, "htm形式");
  }
}

TEST(GenerationRun, AYearTextThatIsNoNumberIsRefusedWithoutAnyChange) {
  for (const char* text : {"", "abc", "12x"}) {
    RecordedRun run;
    run.state->outputFormat = Value(1.0);
    run.state->dayNotePlain(1, 5) = "kept";
    const RunReport report = run.run(text, "htm形式");
    EXPECT_EQ(report.status, RunStatus::NotANumber) << text;
    ASSERT_FALSE(run.surface.lines.empty());
    EXPECT_EQ(run.surface.lines.back().text, notANumberMessage(text));
    EXPECT_EQ(run.surface.lines.back().fontSize, 24);
    EXPECT_TRUE(run.state->outputFormat.equals(1)) << "the format stays as it was";
    EXPECT_EQ(run.state->dayNotePlain(1, 5), "kept");
    EXPECT_TRUE(run.messages.texts.empty());
  }
}

TEST(GenerationRun, EnteredYearsAreTurnedIntoAstronomicalNumbering) {
  struct Case { const char* text; double baseYear; };
  for (const Case c : {Case{"-1", 0}, {"-2", -1}, {"1", 1}, {"2024", 2024}, {"-660", -659}}) {
    RecordedRun run;
    run.run(c.text, "csv形式");
    EXPECT_EQ(run.state->baseYear, c.baseYear) << c.text;
    // After the run the chosen year's arithmetic is in place again.
    EXPECT_EQ(run.state->year, c.baseYear) << c.text;
    EXPECT_EQ(run.state->yearOffset, 0);
  }
}

TEST(GenerationRun, TheNewMoonTableIsUsedForChosenYears1902To2098) {
  struct Case { const char* text; int useTable; std::optional<int> row; };
  for (const Case& c : {Case{"1901", 0, std::nullopt}, {"1902", 1, 1}, {"1903", 1, 3}, {"2098", 1, 7},
                        {"2099", 0, std::nullopt}, {"2000", 1, std::nullopt}}) {
    RunState state;
    // A small table: two rows of 1901, one of 1902, ..., and none of 1999.
    const double years[] = {1901, 1901, 1902, 1903, 1903, 2096, 2097, 2097};
    for (int r = 1; r <= 8; ++r) state.newMoonTable(r, 1) = Value(years[r - 1]);
    state.newMoonRow = 99;  // a previous run's value never survives
    state.year = std::stod(c.text);
    chooseNewMoonSource(state);
    EXPECT_EQ(state.useNewMoonTable, c.useTable) << c.text;
    EXPECT_EQ(state.newMoonRow, c.row) << c.text;
  }
}

TEST(GenerationRun, ThePassesClearEveryDayOfTheThreeYears) {
  RecordedRun run;
  for (int slot = 0; slot < 3; ++slot)
    for (int day = 0; day <= 366; ++day) {
      run.state->dayMoonMark(slot, day) = "stale";
      run.state->dayLunarNote(slot, day) = "stale";
    }
  run.state->newMoonDay(2, 14) = 99;
  run.run("2023", "csv形式");  // 2022, 2023, 2024: the last one has 366 days
  for (int slot = 0; slot < 3; ++slot) {
    const int last = slot == 2 ? 366 : 365;
    for (int day = 0; day <= last; ++day) EXPECT_NE(run.state->dayLunarNote(slot, day), "stale") << slot << "/" << day;
  }
  EXPECT_EQ(run.state->dayLunarNote(0, 366), "stale") << "a common year has no day 366";
  EXPECT_EQ(run.state->newMoonDay(2, 14), 0);
}

TEST(GenerationRun, PassStartTimesAreLocalMidnightOfTheFirstOfJanuary) {
  RunState state;
  state.baseYear = 1983;
  state.yearOffset = -1;
  startPass(state);  // 1982-01-01 is day -230 of the epoch
  EXPECT_EQ(state.year, 1982);
  EXPECT_EQ(state.epochDays, -230);
  EXPECT_DOUBLE_EQ(state.tYears, (-230 - 0.375) / 365.24219029);
  EXPECT_EQ(state.monthStart[13], 365);
}

TEST(GenerationRun, TheFormatListFollowsTheFormatUsed) {
  RecordedRun run;
  run.state->outputFormat = Value(1.0);
  run.run("2024", "something else");
  EXPECT_EQ(run.comboText, "csv形式") << "an unknown text keeps the saved format and the list shows it";
  run.run("2024", "htm形式");
  EXPECT_EQ(run.comboText, "htm形式");
  EXPECT_TRUE(run.state->outputFormat.equals(0));
}

TEST(GenerationRun, AFormatThatIsNeitherWritesNoFileAndLeavesTheList) {
  RecordedRun run;
  run.state->outputFormat = Value(7.0);
  const RunReport report = run.run("2024", "");
  EXPECT_EQ(report.status, RunStatus::Done);
  EXPECT_TRUE(report.outputPath.empty());
  EXPECT_EQ(run.comboText, "");
}

TEST(GenerationRun, TheRedrawPaintsBandsFromYellowToCyan) {
  RecordingSurface surface;
  redrawWindow(surface);
  ASSERT_EQ(surface.dots.size(), 31u * 30u);
  EXPECT_EQ(surface.dots.front().penWidth, 50);
  // j = 1 is the row next to the bottom (cyan), j = 30 the top row (yellow, red 256 drawn as 255).
  EXPECT_EQ(surface.dots.front().colour, (Rgb{8, 250, 247}));
  EXPECT_EQ(surface.dots.front().y, 29 * GridHeight / 30);
  EXPECT_EQ(surface.dots[29].colour, (Rgb{255, 250, 0}));
  EXPECT_EQ(surface.dots[29].y, 0);
}

}  // namespace
}  // namespace ventorel

namespace ventorel {
namespace {

// A damaged new-moon table that lists every day of 1901 as a new moon.
void fillDailyNewMoons(RunState& state) {
  MonthStarts starts{"monthStart"};
  fillMonthStarts(starts, 0);
  for (int d = 1; d <= 365; ++d) {
    const MonthDay date = monthDayOf(d, starts);
    state.newMoonTable(d, 1) = Value(1901.0);
    state.newMoonTable(d, 2) = Value(static_cast<double>(date.month));
    state.newMoonTable(d, 3) = Value(static_cast<double>(date.day));
  }
}

TEST(GenerationRun, ATableOverflowEndsTheRunWithAMessageAndTheNextRunWorks) {
  RecordedRun run;
  fillDailyNewMoons(*run.state);
  const RunReport report = run.run("1902", "csv形式");
  EXPECT_EQ(report.status, RunStatus::RunError);
  ASSERT_EQ(run.messages.texts.size(), 1u);
  EXPECT_NE(run.messages.texts[0].find("newMoonDay"), std::string::npos) << run.messages.texts[0];
  EXPECT_TRUE(run.launcher.spreadsheetPaths.empty()) << "no file is handed on";
  // The program goes on: a computed year runs as usual.
  run.messages.texts.clear();
  EXPECT_EQ(run.run("2150", "csv形式").status, RunStatus::Done);
  EXPECT_TRUE(run.messages.texts.empty());
}

}  // namespace
}  // namespace ventorel
