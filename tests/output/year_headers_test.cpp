#include "output/year_headers.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/recording.h"
#include "support/test_support.h"
#include "ventorel/date.h"

namespace ventorel {
namespace {

// The headers of the three years around an entered year.
struct SkyRun {
  std::unique_ptr<ReferenceData> state = std::make_unique<ReferenceData>();
  RecordingSurface surface;
  void run(double entered) {
    SkyTrio skies;
    const double year = astronomicalOfUser(entered);
    for (int slot = 0; slot < 3; ++slot) skies[static_cast<std::size_t>(slot)].year = year + slot - 1;
    drawYearHeaders(surface, *state, entered, skies);
  }
};

struct Line {
  double x;
  double y;
  std::string text;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) { return out << "(" << l.x << ", " << l.y << ") " << l.text; }

void addEra(EraList& list, double first, const char* name, const char* period, const char* emperor) {
  list.rows.push_back({std::to_string(list.rows.size() + 1), first, name, period, emperor, ""});
}

// A few eras around the first one and around the two courts.
void fillEras(ReferenceData& s) {
  addEra(s.eras, 645, "大化", "飛鳥時代", "孝徳");
  addEra(s.eras, 650, "白雉", "飛鳥時代", "孝徳");
  addEra(s.eras, 1329, "元徳", "鎌倉時代", "後醍醐");
  addEra(s.eras, 1331, "元弘", "南北朝時代", "後醍醐");
  addEra(s.eras, 1390, "元中", "南北朝時代", "後亀山");
  addEra(s.secondCourtEras, 1331, "元徳", "南北朝時代", "光厳");
  addEra(s.secondCourtEras, 1390, "明徳", "南北朝時代", "後小松");
}

std::vector<Line> printedLines(const RecordingSurface& surface) {
  std::vector<Line> lines;
  for (const auto& l : surface.lines) lines.push_back({l.x, l.y, l.text});
  return lines;
}

TEST(YearHeaders, TheChosenYear2024ReadsInRed) {
  SkyRun run;
  run.run(2024);
  ASSERT_EQ(run.surface.lines.size(), 3u);
  const auto& middle = run.surface.lines[1];
  EXPECT_EQ(middle.text, "西暦2024年(ｸﾞﾚｺﾞﾘｵ暦)  甲辰（たつ）の年 ");
  for (std::size_t i = 0; i < 3; ++i) {
    const auto& line = run.surface.lines[i];
    EXPECT_EQ(line.fontSize, 9);
    EXPECT_EQ(line.colour, i == 1 ? (Rgb{180, 0, 0}) : (Rgb{0, 0, 0})) << i;
  }
  // The style of the last column stays.
  EXPECT_EQ(run.surface.textColour, (Rgb{0, 0, 0}));
}

TEST(YearHeaders, LinesOfEachColumnAroundTheEdges) {
  std::map<double, std::vector<Line>> expected;
  for (const std::string& row : testing::dataLines("tests/output/year_headers.tsv")) {
    const std::vector<std::string> f = testing::splitFields(row, '\t');
    expected[std::stod(f.at(0))].push_back({std::stod(f.at(1)), std::stod(f.at(2)), f.at(3)});
  }
  ASSERT_EQ(expected.size(), 5u);
  for (const auto& [entered, lines] : expected) {
    SkyRun run;
    fillEras(*run.state);
    run.run(entered);
    EXPECT_EQ(printedLines(run.surface), lines) << "entered " << entered;
    for (const auto& line : run.surface.lines)
      EXPECT_EQ(line.colour, line.x == 4100 ? (Rgb{180, 0, 0}) : (Rgb{0, 0, 0})) << entered << " " << line.text;
  }
}

TEST(YearHeaders, StemAndBranchFollowTheAstronomicalYear) {
  struct Case {
    double year;  // astronomical
    const char* cycle;
  };
  const BuiltinTables names;
  for (const Case c : {Case{2024, "甲辰（たつ）"}, {1984, "甲子（ねずみ）"}, {-1, "己未（ひつじ）"}, {4, "甲子（ねずみ）"},
                       {3, "癸亥（いのしし）"}, {-56, "甲子（ねずみ）"}, {-57, "癸亥（いのしし）"}, {-3000, "庚申（さる）"}}) {
    EXPECT_EQ(yearLine(names, c.year, 7), "西暦7年(ｸﾞﾚｺﾞﾘｵ暦)  " + std::string(c.cycle) + "の年 ") << c.year;
  }
}

TEST(YearHeaders, ShownYearsSkipZero) {
  struct Case {
    double entered;
    double shown[3];
  };
  for (const Case c : {Case{1, {-1, 1, 2}}, {-1, {-2, -1, 1}}, {2, {1, 2, 3}}, {-2, {-3, -2, -1}}})
    for (int k = -1; k <= 1; ++k) EXPECT_EQ(shownYear(c.entered, k), c.shown[k + 1]) << c.entered << " " << k;
}

}  // namespace
}  // namespace ventorel
