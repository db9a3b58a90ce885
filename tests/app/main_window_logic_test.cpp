// The window's toolkit-free behaviour: year stepping, the format list, the
// control layout and the start drawing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window_logic.h"
#include "platform/recording.h"

namespace ventorel {
namespace {

TEST(YearStepping, StepsSkipYearZeroAndLeaveNonNumbersAlone) {
  struct Case {
    std::string text, up, down;
  };
  const Case cases[] = {
      {"2024", "2025", "2023"},
      {"-1", "1", "-2"},
      {"1", "2", "-1"},
      {"0", "1", "-1"},
      {"00", "1", "-1"},
      {"-2", "-1", "-3"},
      {"１９８４", "1985", "1983"},  // full-width digits as an input method types them
      {" 7 ", "8", "6"},
      {"1.5", "2.5", "0.5"},
      {"-0.5", "0.5", "-1.5"},
      {"", "", ""},
      {"abc", "abc", "abc"},
      {"12x", "12x", "12x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nextYearText(c.text), c.up) << "▲ from \"" << c.text << "\"";
    EXPECT_EQ(previousYearText(c.text), c.down) << "▼ from \"" << c.text << "\"";
  }
}

TEST(FormatList, SavedFormatSelectsItsPositionAndAnythingElseHtm) {
  EXPECT_EQ(formatListIndex(Value()), 0);
  EXPECT_EQ(formatListIndex(Value(0.0)), 0);
  EXPECT_EQ(formatListIndex(Value(1.0)), 1);
  EXPECT_EQ(formatListIndex(Value(0.6)), 1);  // rounded to the nearest position
  EXPECT_EQ(formatListIndex(Value(1.5)), 0);  // rounds to 2, which is no position
  EXPECT_EQ(formatListIndex(Value(2.0)), 0);
  EXPECT_EQ(formatListIndex(Value(-1.0)), 0);
  EXPECT_EQ(formatListIndex(Value(std::string("1"))), 1);
  EXPECT_EQ(formatListIndex(Value(std::string("csv"))), 0);
}

TEST(FormatList, OnlyTheTwoFormatNamesChangeTheFormat) {
  const BuiltinTables names;
  Value format(7.0);
  EXPECT_FALSE(applyFormatText(names, format, "htm"));
  EXPECT_FALSE(applyFormatText(names, format, "csv形式 "));
  EXPECT_TRUE(format.equals(7));
  EXPECT_TRUE(applyFormatText(names, format, "csv形式"));
  EXPECT_TRUE(format.equals(1));
  EXPECT_TRUE(applyFormatText(names, format, "htm形式"));
  EXPECT_TRUE(format.equals(0));
}

TEST(ControlLayout, TwipsBecomePixelsAtTheScreenResolution) {
  EXPECT_EQ(twipsToPixels(1440, 96), 96);
  EXPECT_EQ(twipsToPixels(1335, 96), 89);
  EXPECT_EQ(twipsToPixels(375, 96), 25);
  EXPECT_EQ(twipsToPixels(200, 96), 13);
  EXPECT_EQ(twipsToPixels(1815, 144), 182);
  EXPECT_EQ(twipsToPixels(0, 120), 0);
  // "▲" sits right above "▼" with no gap and no overlap at any resolution.
  for (double dpi : {72.0, 96.0, 120.0, 144.0, 192.0}) {
    const ControlLayout& up = ControlLayouts[2];
    const ControlLayout& down = ControlLayouts[3];
    EXPECT_EQ(twipsToPixels(up.top, dpi) + twipsToPixels(up.height, dpi), twipsToPixels(down.top, dpi)) << dpi;
  }
}

class StartScreen : public ::testing::Test {
 protected:
  void SetUp() override { drawStartScreen(surface); }
  RecordingSurface surface;
};

TEST_F(StartScreen, BackgroundIs41By40DotsOfPen40) {
  ASSERT_EQ(surface.dots.size(), 41u * 40u);
  for (const auto& d : surface.dots) ASSERT_EQ(d.penWidth, 40);
  struct Case {
    int i, j;
    Rgb colour;
  };
  // Dots run i = 0..40 outside, j = 1..40 inside.
  const Case cases[] = {
      {0, 1, {0, 6, 6}},
      {0, 40, {0, 255, 255}},     // 256 drawn as 255
      {40, 40, {255, 0, 255}},
      {40, 1, {255, 249, 6}},
      {20, 10, {128, 64, 64}},
  };
  for (const Case& c : cases) {
    const auto& d = surface.dots[c.i * 40 + (c.j - 1)];
    EXPECT_DOUBLE_EQ(d.x, (40 - c.i) * GridWidth / 40) << c.i << "," << c.j;
    EXPECT_DOUBLE_EQ(d.y, (40 - c.j) * GridHeight / 40) << c.i << "," << c.j;
    EXPECT_EQ(d.colour, c.colour) << c.i << "," << c.j;
  }
}

TEST_F(StartScreen, TitleShadowVersionAndInstructionsInOrder) {
  const auto& lines = surface.lines;
  ASSERT_EQ(lines.size(), 2u + 3u + 11u);
  // Shadow under the red title, 40 grid units right and down.
  EXPECT_EQ(lines[0].text, "Ventorel");
  EXPECT_DOUBLE_EQ(lines[0].x, 240);
  EXPECT_DOUBLE_EQ(lines[0].y, 540);
  EXPECT_EQ(lines[0].colour, (Rgb{250, 250, 250}));
  EXPECT_EQ(lines[1].text, "Ventorel");
  EXPECT_DOUBLE_EQ(lines[1].x, 200);
  EXPECT_DOUBLE_EQ(lines[1].y, 500);
  EXPECT_EQ(lines[1].colour, (Rgb{250, 0, 0}));
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(lines[k].fontSize, 50);
    EXPECT_TRUE(lines[k].bold);
  }
  // The version line between two empty lines, still bold, in black size 12.
  EXPECT_EQ(lines[2].text, "");
  EXPECT_EQ(lines[3].text, "    Ver1.2　by　Marrowick");
  EXPECT_TRUE(lines[3].bold);
  EXPECT_EQ(lines[4].text, "");
  // The instructions start at the left edge, one below the other, not bold.
  for (std::size_t k = 0; k < InstructionLines.size(); ++k) {
    const auto& line = lines[5 + k];
    EXPECT_EQ(line.text, InstructionLines[k]);
    EXPECT_EQ(line.fontSize, 12);
    EXPECT_FALSE(line.bold);
    EXPECT_EQ(line.colour, (Rgb{0, 0, 0}));
    EXPECT_DOUBLE_EQ(line.x, 0);
    EXPECT_GT(line.y, lines[4 + k].y);
  }
  EXPECT_EQ(lines[5].text.rfind("　HTM又はCSVファイルの選択を行い、", 0), 0u);
  EXPECT_EQ(lines[15].text, "　");
}

}  // namespace
}  // namespace ventorel
