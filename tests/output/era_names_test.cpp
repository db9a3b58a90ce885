#include "output/article_link.h"
#include "output/era_names.h"

#include <gtest/gtest.h>

#include <memory>

#include "calendar/eras.h"
#include "support/test_support.h"

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

TEST(EraNames, EraLinesAndRecords) {
  Eras eras;
  int checked = 0;
  for (const std::string& row : testing::dataLines("tests/output/era_lines.tsv")) {
    std::vector<std::string> f = testing::splitFields(row, '\t');
    for (std::size_t at; (at = f.at(1).find('@')) != std::string::npos;) f[1].replace(at, 1, A);
    const std::vector<std::string> records = f.at(2).empty() ? std::vector<std::string>{} : testing::splitFields(f[2], '|');
    EXPECT_EQ(eraLine(eras.at(std::stod(f[0]))), f[1]) << f[0];
    EXPECT_EQ(eraRecords(eras.at(std::stod(f[0]))), records) << f[0];
    ++checked;
  }
  EXPECT_EQ(checked, 19);
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
