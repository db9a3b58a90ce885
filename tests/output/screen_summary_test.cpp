#include "output/screen_summary.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/sky_fixture.h"
#include "platform/recording.h"

namespace ventorel {
namespace {

using testing::dayIndex;

struct Summarised {
  SkyTrio skies;
  LunarDays lunar;
  RecordingSurface surface;
};

std::unique_ptr<Summarised> summarise(int chosenYear) {
  auto run = std::make_unique<Summarised>();
  run->skies = testing::skiesOf(chosenYear);
  run->lunar = oldCalendar(run->skies, chosenYear);
  drawSummary(run->surface, BuiltinTables(), run->skies, run->lunar);
  return run;
}

const RecordingSurface::PrintedLine* lineAt(const RecordingSurface& surface, double x, const std::string& start) {
  for (const auto& line : surface.lines)
    if (line.x == x && line.text.rfind(start, 0) == 0) return &line;
  return nullptr;
}

TEST(ScreenSummary, NoticeLine) {
  RecordingSurface surface;
  printNotice(surface);
  ASSERT_EQ(surface.lines.size(), 3u);
  EXPECT_EQ(surface.lines[0].text, "");
  EXPECT_EQ(surface.lines[1].text, "");
  const auto& notice = surface.lines[2];
  EXPECT_EQ(notice.text, "        カレンダーは、同じフォルダーにHTM又はCSVファイルで作成されています。");
  EXPECT_EQ(notice.x, 4100);
  EXPECT_EQ(notice.y, 10);
  EXPECT_EQ(notice.fontSize, 13);
  EXPECT_TRUE(notice.bold);
  EXPECT_EQ(notice.colour, (Rgb{180, 0, 0}));
  // The summary that follows prints in size 9, plain, black.
  EXPECT_EQ(surface.fontSize, 9);
  EXPECT_FALSE(surface.bold);
  EXPECT_EQ(surface.textColour, (Rgb{0, 0, 0}));
}

TEST(ScreenSummary, ColumnsAndLines) {
  const auto run = summarise(2024);
  const RecordingSurface& surface = run->surface;
  // Each column starts at grid y 1000; the chosen year's in red.
  const auto* first0 = lineAt(surface, 100, " 1 月");
  const auto* first1 = lineAt(surface, 4100, " 1 月");
  const auto* first2 = lineAt(surface, 8100, " 1 月");
  ASSERT_TRUE(first0 && first1 && first2);
  EXPECT_EQ(first0->y, 1000);
  EXPECT_EQ(first1->y, 1000);
  EXPECT_EQ(first2->y, 1000);
  EXPECT_EQ(first0->colour, (Rgb{0, 0, 0}));
  EXPECT_EQ(first1->colour, (Rgb{180, 0, 0}));
  EXPECT_EQ(first2->colour, (Rgb{0, 0, 0}));
  // 2024's first listed day is 小寒 on 6 January (a Saturday), day 25 of 11月.
  EXPECT_EQ(first1->text, " 1 月 6 日(土)  25 小寒(12月節気)");
  // A new-moon line shows the mark and the month name; a term on a new-moon day both.
  EXPECT_NE(lineAt(surface, 4100, " 1 月 11 日(木)  1 新月12月"), nullptr);
  EXPECT_NE(lineAt(surface, 4100, " 12 月 21 日(土)  21 冬至(11月中気)"), nullptr);
  EXPECT_NE(lineAt(surface, 4100, " 12 月 31 日(火)  1 新月12月"), nullptr);
  // Only term days and new-moon days are listed: 24 terms and 13 new moons, of
  // which 6 July carries both (小暑 and a new moon) on one line.
  int listed = 0;
  for (const auto& line : surface.lines) listed += line.x == 4100;
  EXPECT_EQ(listed, 24 + 13 - 1);
  EXPECT_NE(lineAt(surface, 4100, " 7 月 6 日(土)  1 小暑(6月節気)新月6月"), nullptr);
}

}  // namespace
}  // namespace ventorel
