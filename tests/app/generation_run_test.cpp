// The run's skeleton: the year numbering, the choice of the sources, the start
// of the sky's walk and the refusals.
#include "app/generation_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "classic/classic_sky.h"
#include "classic/sky_walk.h"
#include "app/calendar_sources.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::RecordedRun;

TEST(GenerationRun, YearZeroIsRefusedWithItsMessageAndTouchesNothing) {
  for (const char* text : {"0", "00", " 0 ", "０"}) {
    RecordedRun run;
    run.settings.outputFormat = Value(1.0);
    const RunReport report = run.run(text, "htm形式");
    EXPECT_EQ(report.status, RunStatus::YearZero) << text;
    ASSERT_EQ(run.surface.lines.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(run.surface.lines[i].text, "");
    EXPECT_EQ(run.surface.lines[3].text, YearZeroMessage);
    EXPECT_EQ(run.surface.lines[3].fontSize, 24);
    EXPECT_TRUE(run.surface.dots.empty()) << "the background is lost with the clear";
    EXPECT_TRUE(run.launcher.browserPaths.empty());
    // The format was read at the run start, but the list is not re-synchronised.
    EXPECT_TRUE(run.settings.outputFormat.equals(0));
    EXPECT_EQ(run.comboText, "htm形式");
  }
}

TEST(GenerationRun, AYearTextThatIsNoNumberIsRefusedWithoutAnyChange) {
  for (const char* text : {"", "abc", "12x"}) {
    RecordedRun run;
    run.settings.outputFormat = Value(1.0);
    const RunReport report = run.run(text, "htm形式");
    EXPECT_EQ(report.status, RunStatus::NotANumber) << text;
    ASSERT_FALSE(run.surface.lines.empty());
    EXPECT_EQ(run.surface.lines.back().text, notANumberMessage(text));
    EXPECT_EQ(run.surface.lines.back().fontSize, 24);
    EXPECT_TRUE(run.settings.outputFormat.equals(1)) << "the format stays as it was";
    EXPECT_TRUE(run.launcher.browserPaths.empty());
  }
}

// The window's refusals of year texts that make no year of the true sky: a
// fraction, and a number beyond a double's range (once taken for year 0).
TEST(GenerationRun, FractionalAndOverlongYearsAreRefusedOnTheWindow) {
  const std::string huge = "1" + std::string(320, '0');
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"2024.5", notAWholeYearMessage("2024.5")}, {"-0.5", notAWholeYearMessage("-0.5")},
           {huge, YearTooLargeMessage}, {"-" + huge, YearTooLargeMessage}}) {
    RecordedRun run;
    run.basis = CalendarBasis::True;
    const RunReport report = run.run(text, "htm形式");
    EXPECT_EQ(report.status, RunStatus::NotANumber) << text;
    ASSERT_FALSE(run.surface.lines.empty());
    EXPECT_EQ(run.surface.lines.back().text, message);
    EXPECT_TRUE(run.launcher.browserPaths.empty());
  }
}

TEST(GenerationRun, EnteredYearsAreTurnedIntoAstronomicalNumbering) {
  struct Case { double entered; double astronomical; };
  for (const Case c : {Case{-1, 0}, {-2, -1}, {1, 1}, {2024, 2024}, {-660, -659}}) {
    EXPECT_EQ(astronomicalYear(c.entered), c.astronomical) << c.entered;
    const ReferenceData data;
    const ComputedCalendar computed = computeCalendar(c.entered, CalendarBasis::Classic, data);
    EXPECT_EQ(computed.year.year, c.astronomical) << c.entered;
    EXPECT_EQ(computed.skies[0].year, c.astronomical - 1) << c.entered;
    EXPECT_EQ(computed.skies[2].year, c.astronomical + 1) << c.entered;
  }
}

// Classic: the new-moon table for chosen years 1902..2098, the Kepler model
// otherwise. True: the precise sky over -1000..3000, the classic sources beyond.
TEST(GenerationRun, EachBasisPicksItsSkyByYear) {
  const ReferenceData data;
  enum Sky { Table, Kepler, Precise };
  struct Case { CalendarBasis basis; double year; Sky sky; };
  for (const Case c : {Case{CalendarBasis::Classic, 1901, Kepler}, {CalendarBasis::Classic, 1902, Table},
                       {CalendarBasis::Classic, 2098, Table}, {CalendarBasis::Classic, 2099, Kepler},
                       {CalendarBasis::Classic, -5, Kepler}, {CalendarBasis::True, 2000, Precise},
                       {CalendarBasis::True, -1000, Precise}, {CalendarBasis::True, 3000, Precise},
                       {CalendarBasis::True, -1001, Kepler}, {CalendarBasis::True, 3001, Kepler}}) {
    const CalendarSources sources = sourcesFor(c.basis, c.year, data);
    const SkySource* sky = sources.sky.get();
    const Sky got = dynamic_cast<const TableNewMoonSky*>(sky) ? Table
                    : dynamic_cast<const KeplerSky*>(sky)     ? Kepler
                                                                : Precise;
    EXPECT_EQ(got, c.sky) << c.year;
    EXPECT_EQ(sources.modernMonths, got == Precise) << c.year;
    EXPECT_EQ(sources.skyFallback, c.basis == CalendarBasis::True && got != Precise) << c.year;
  }
}

TEST(GenerationRun, TheTableSkyStartsAtTheFirstRowOfItsYear) {
  ReferenceData data;
  // Rows of 1901 and 1902; a year without rows has no new moons.
  const double rows[][3] = {{1901, 12, 30}, {1902, 1, 8}, {1902, 2, 8}, {1902, 1, 20}};
  for (int r = 1; r <= 4; ++r)
    data.newMoonTable[r] = NewMoonDate{static_cast<std::int64_t>(rows[r - 1][0]), static_cast<int>(rows[r - 1][1]),
                                       static_cast<int>(rows[r - 1][2])};
  const TableNewMoonSky sky(data.orbit, data.newMoonTable);
  const YearSky y1902 = sky.year(1902);
  ASSERT_EQ(y1902.newMoons.size(), 2u) << "a date out of turn stops the walk through the rows";
  EXPECT_EQ(y1902.newMoons[0].day, 8);
  EXPECT_EQ(y1902.newMoons[1].day, 39);
  EXPECT_FALSE(y1902.newMoons[0].instant) << "the table knows no instants";
  EXPECT_EQ(y1902.yearEndMoonAge, 365 - 39 + 1);
  EXPECT_TRUE(sky.year(1903).newMoons.empty());
}

TEST(GenerationRun, TheSkyWalkStartsAtLocalMidnightOfTheFirstOfJanuary) {
  const SkyWalk walk(OrbitElements(), 1982);  // 1982-01-01 is day -230 of the epoch
  EXPECT_DOUBLE_EQ(walk.tYears, (-230 - 0.375) / 365.24219029);
  EXPECT_EQ(walk.monthStart[13], 365);
  EXPECT_EQ(walk.sky.lastDay, 365);
}

TEST(GenerationRun, TheFormatListFollowsTheFormatUsed) {
  RecordedRun run;
  run.settings.outputFormat = Value(1.0);
  run.run("2024", "something else");
  EXPECT_EQ(run.comboText, "csv形式") << "an unknown text keeps the saved format and the list shows it";
  run.run("2024", "htm形式");
  EXPECT_EQ(run.comboText, "htm形式");
  EXPECT_TRUE(run.settings.outputFormat.equals(0));
}

TEST(GenerationRun, AFormatThatIsNeitherWritesNoFileAndLeavesTheList) {
  RecordedRun run;
  run.settings.outputFormat = Value(7.0);
  const RunReport report = run.run("2024", "");
  EXPECT_EQ(report.status, RunStatus::Done);
  EXPECT_TRUE(report.outputPath.empty());
  EXPECT_EQ(run.comboText, "");
}

TEST(GenerationRun, AYearsFilesDoNotDependOnTheRunsBeforeIt) {
  // 999999 is a year in which the model places no 立冬.
  for (const char* format : {"csv形式", "htm形式"}) {
    testing::ShippedProgram fresh;
    const RunReport alone = fresh.recorded.run("999999", format);
    ASSERT_EQ(alone.status, RunStatus::Done);
    testing::ShippedProgram used;
    for (const char* before : {"2024", "1582", "-660"}) used.recorded.run(before, format);
    const RunReport after = used.recorded.run("999999", format);
    ASSERT_EQ(after.status, RunStatus::Done);
    const std::string name = std::filesystem::path(alone.outputPath).filename().string();
    EXPECT_TRUE(used.folder.read(name) == fresh.folder.read(name)) << format;
  }
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
void fillDailyNewMoons(ReferenceData& state) {
  MonthStarts starts{"monthStart"};
  fillMonthStarts(starts, 0);
  for (int d = 1; d <= 365; ++d) {
    const MonthDay date = monthDayOf(d, starts);
    state.newMoonTable[d] = NewMoonDate{1901, date.month, date.day};
  }
}

TEST(GenerationRun, ATableOverflowEndsTheRunWithAMessageAndTheNextRunWorks) {
  RecordedRun run;
  fillDailyNewMoons(*run.data);
  const RunReport report = run.run("1902", "csv形式");
  EXPECT_EQ(report.status, RunStatus::RunError);
  EXPECT_EQ(report.problem.text().rfind("計算を続けられませんでした（計算が表の範囲を超えました", 0), 0u)
      << report.problem.text();
  EXPECT_TRUE(run.launcher.spreadsheetPaths.empty()) << "no file is handed on";
  // The program goes on: a computed year runs as usual.
  const RunReport next = run.run("2150", "csv形式");
  EXPECT_EQ(next.status, RunStatus::Done);
  EXPECT_TRUE(next.problem.ok());
}

}  // namespace
}  // namespace ventorel
