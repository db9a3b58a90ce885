#include "output/article_link.h"
#include "output/era_names.h"

#include <gtest/gtest.h>

#include <memory>

#include "calendar/eras.h"

namespace ventorel {
namespace {

const std::string A = std::string("<a href=") + ArticleBaseUrl;

// Era rows as the era files carry them: number, first year, era, period, emperor, reading.
void setRow(EraList& list, int row, double first, const char* era, const char* period, const char* emperor) {
  list.rows.resize(static_cast<std::size_t>(row));
  list.rows.back() = {std::to_string(row), first, era, period, emperor, ""};
}

struct Eras {
  std::unique_ptr<ReferenceData> state = std::make_unique<ReferenceData>();
  Eras() {
    EraList& t = state->eras;
    setRow(t, 1, 645, "大化", "飛鳥", "孝徳");
    setRow(t, 2, 710, "和銅", "奈良", "元明");
    setRow(t, 3, 1334, "建武", "建武", "後醍醐");
    setRow(t, 4, 1336, "建武", "南北朝", "光明");
    setRow(t, 5, 1868, "明治", "明治", "明治");
    setRow(t, 6, 2019, "令和", "令和", "今上");
    setRow(t, 7, 3000, "未来<&>", "\"新\"時代", "某");
    setRow(state->secondCourtEras, 1, 1336, "延元", "南北朝", "後醍醐");
    setRow(state->secondCourtEras, 2, 1339, "延元", "南北朝", "後村上");
  }
  // The year's values the era texts are made from.
  CalendarYear at(double entered) const {
    CalendarYear year;
    year.enteredYear = entered;
    year.year = entered > 0 ? entered : entered + 1;
    year.eras = eraRecordsOf(year.year, *state);
    return year;
  }
};

// The CSV file's era records.
std::vector<std::string> eraRecords(const CalendarYear& year) {
  std::vector<std::string> records;
  for (const EraRecord& era : year.eras) records.push_back(plainEraText(era));
  return records;
}

TEST(EraNames, PeriodsBeforeTheFirstEraComeFromTheBuiltInRanges) {
  struct Case { double entered; std::string expected; };
  const Case cases[] = {
      {-65000000, ""},
      {-65000001, ""},
      {-64999999, A + "%E6%96%B0%E7%94%9F%E4%BB%A3>新生代</a>"},
      {-300000, A + "%E6%96%B0%E7%94%9F%E4%BB%A3>新生代</a>"},
      {-299999, A + "%E6%97%A7%E7%9F%B3%E5%99%A8%E6%99%82%E4%BB%A3>旧石器時代</a>"},
      {-1450, A + "%E6%97%A7%E7%9F%B3%E5%99%A8%E6%99%82%E4%BB%A3>旧石器時代</a>"},
      {-1000, A + "%E7%B8%84%E6%96%87%E6%99%82%E4%BB%A3>縄文時代</a>"},
      {-1, A + "%E5%BC%A5%E7%94%9F%E6%99%82%E4%BB%A3>弥生時代</a>"},
      {250, A + "%E5%BC%A5%E7%94%9F%E6%99%82%E4%BB%A3>弥生時代</a>"},
      {600, A + "%E5%8F%A4%E5%A2%B3%E6%99%82%E4%BB%A3>古墳時代</a>"},
      {644, A + "%E9%A3%9B%E9%B3%A5%E6%99%82%E4%BB%A3>飛鳥</a>"},
  };
  Eras eras;
  for (const Case& c : cases) {
    EXPECT_EQ(eraLine(eras.at(c.entered)), c.expected) << c.entered;
    EXPECT_TRUE(eraRecords(eras.at(c.entered)).empty()) << c.entered;
  }
}

TEST(EraNames, EraLinesAndRecords) {
  struct Case { double year; std::string line; std::vector<std::string> records; };
  const std::string asuka = A + "%E9%A3%9B%E9%B3%A5%E6%99%82%E4%BB%A3>飛鳥</a>";
  const Case cases[] = {
      {645, "大化1年(" + asuka + ")孝徳天皇", {"大化1年(飛鳥)孝徳天皇"}},
      {709, "大化65年(" + asuka + ")孝徳天皇", {"大化65年(飛鳥)孝徳天皇"}},
      {712, "和銅3年(" + A + "%E5%A5%88%E8%89%AF%E6%99%82%E4%BB%A3>奈良</a>)元明天皇", {"和銅3年(奈良)元明天皇"}},
      {1335,
       "建武2年(" + A + "%E5%BB%BA%E6%AD%A6%E3%81%AE%E6%96%B0%E6%94%BF>建武の新政</a>)後醍醐天皇",
       {"建武2年(建武)後醍醐天皇"}},
      {1336,
       "建武1年(" + A + "%E5%8D%97%E5%8C%97%E6%9C%9D%E6%99%82%E4%BB%A3_(%E6%97%A5%E6%9C%AC)>南北朝</a>)光明天皇" +
           "延元1年(南北朝)後醍醐天皇",
       {"建武1年(南北朝)光明天皇", "延元1年(南北朝)後醍醐天皇"}},
      {1340, "建武5年(" + A + "%E5%8D%97%E5%8C%97%E6%9C%9D%E6%99%82%E4%BB%A3_(%E6%97%A5%E6%9C%AC)>南北朝</a>)光明天皇" +
                 "延元2年(南北朝)後村上天皇",
       {"建武5年(南北朝)光明天皇", "延元2年(南北朝)後村上天皇"}},
      {2024, "令和6年(" + A + "%E4%BB%A4%E5%92%8C>令和</a>)今上天皇", {"令和6年(令和)今上天皇"}},
      // Texts from the era file are escaped in the page and kept in the records.
      {3001, "未来&lt;&amp;&gt;2年(&quot;新&quot;時代)某天皇", {"未来<&>2年(\"新\"時代)某天皇"}},
  };
  Eras eras;
  for (const Case& c : cases) {
    EXPECT_EQ(eraLine(eras.at(c.year)), c.line) << c.year;
    EXPECT_EQ(eraRecords(eras.at(c.year)), c.records) << c.year;
  }
}

TEST(EraNames, AYearAfter644WithoutAnEraRowHasNoEraText) {
  Eras eras;
  eras.state->eras.rows.at(0).firstYear = 700;
  EXPECT_EQ(eraLine(eras.at(650)), "");
  EXPECT_TRUE(eraRecords(eras.at(650)).empty());
}

TEST(EraNames, PeriodTextPrefersTheEraRowsKnownPeriod) {
  Eras eras;
  EraRecord era{Court::Main, "和銅", 1, "奈良", "元明"};
  EXPECT_EQ(periodText(1336, nullptr), "");
  EXPECT_EQ(periodText(1336, &era), A + "%E5%A5%88%E8%89%AF%E6%99%82%E4%BB%A3>奈良</a>");
  era.period = "白鳳";
  EXPECT_EQ(periodText(1336, &era), "白鳳");
}

}  // namespace
}  // namespace ventorel
