// Whole generation runs with the shipped data files, read back as the user gets
// them: the page's rows and the CSV file's records of known days.
#include <gtest/gtest.h>

#include <cstdlib>

#include "csv_reader.h"
#include "data/data_files.h"
#include "output/article_link.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

const std::string A = std::string("<a href=") + ArticleBaseUrl;

// A program folder with the shipped data, loaded as at start-up.
struct ShippedRun : testing::ShippedProgram {
  // The page of the year, without its byte-order mark, quotes and line end.
  std::string page(const std::string& year) {
    const RunReport report = recorded.run(year, "htm形式");
    EXPECT_EQ(report.status, RunStatus::Done) << report.problem.text();
    const std::string bytes = folder.read((year[0] == '-' ? "" : " ") + year + "年カレンダー.htm");
    EXPECT_EQ(bytes.substr(0, 4), "\xEF\xBB\xBF\"");
    return bytes.size() > 7 ? bytes.substr(4, bytes.size() - 7) : "";
  }
  testing::CsvRecords csv(const std::string& year) {
    const RunReport report = recorded.run(year, "csv形式");
    EXPECT_EQ(report.status, RunStatus::Done) << report.problem.text();
    const std::string bytes = folder.read((year[0] == '-' ? "" : " ") + year + "年カレンダー.csv");
    std::string error;
    const auto records = testing::readStrictCsv(bytes.substr(3), error);
    EXPECT_TRUE(records) << error;
    return records.value_or(testing::CsvRecords{});
  }
};

// The day record of month m, day d in a CSV file: the first record with those fields.
const std::vector<std::string>* dayRecord(const testing::CsvRecords& records, int m, int d) {
  for (const auto& r : records)
    if (r.size() == 11 && r[1] == std::to_string(m) + "月" && r[2] == std::to_string(d) + "日") return &r;
  return nullptr;
}

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

TEST(WholeRun, ThePageOf2024) {
  ShippedRun run;
  const std::string page = run.page("2024");
  EXPECT_TRUE(run.problems.empty());
  const std::string head =
      "<HTLM>" + A + "%E8%A5%BF%E6%9A%A6>西暦</A> " + A + "2024%E5%B9%B4>2024年</a>　（" + A +
      "%E3%82%B0%E3%83%AC%E3%82%B4%E3%83%AA%E3%82%AA%E6%9A%A6>グレゴリオ暦</a>)　" + A +
      "%E7%94%B2%E8%BE%B0>甲辰</a>（たつ）の年<br>令和6年(" + A + "%E4%BB%A4%E5%92%8C>令和</a>)徳仁天皇<br><table border=0>";
  EXPECT_EQ(page.substr(0, head.size()), head);
  const std::string firstDay =
      "<tr><td>2024年</td><td>" + A + "1%E6%9C%881%E6%97%A5>1月1日</a></td><td>(月)</td><td>" + A +
      "%E5%85%83%E6%97%A5>元日</A></td><td></td><td>赤口</td><td>" + A +
      "%E6%97%A7%E6%9A%A611%E6%9C%8820%E6%97%A5>旧暦11月20日</a></td><td>" + A +
      "%E7%94%B2%E5%AD%90>甲子</a></td><td>" + A + "%E5%A4%A9%E8%B5%A6%E6%97%A5>天赦日</A>　" + A +
      "%E4%B8%80%E7%B2%92%E4%B8%87%E5%80%8D%E6%97%A5>一粒万倍日</A>　</td></tr>";
  EXPECT_NE(page.find("選日</A></td></tr>" + firstDay), std::string::npos);
  EXPECT_EQ(count(page, "<tr>"), 367u);
  EXPECT_EQ(count(page, "<td>"), 367u * 9);
  EXPECT_EQ(page.find('"'), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 15), "</table></HTLM>");
  // 7 January: the notes cell ends with 七草.
  EXPECT_NE(page.find(A + "%E4%BA%BA%E6%97%A5>七草</a>)</td><td>"), std::string::npos);
  // Holidays of the current law are linked, including the added names.
  EXPECT_NE(page.find(A + "%E5%B1%B1%E3%81%AE%E6%97%A5>山の日</A>"), std::string::npos);
  EXPECT_NE(page.find(A + "%E3%82%B9%E3%83%9D%E3%83%BC%E3%83%84%E3%81%AE%E6%97%A5>スポーツの日</A>"),
            std::string::npos);
  EXPECT_EQ(run.recorded.launcher.browserPaths.size(), 1u);
}

TEST(WholeRun, TheCsvFileOf2024) {
  ShippedRun run;
  const testing::CsvRecords records = run.csv("2024");
  ASSERT_EQ(records.size(), 1u + 1 + 1 + 366);
  EXPECT_EQ(records[0], std::vector<std::string>{"西暦2024年(ｸﾞﾚｺﾞﾘｵ暦)  甲辰（たつ）の年　"});
  EXPECT_EQ(records[1], std::vector<std::string>{"令和6年(令和)徳仁天皇"});
  EXPECT_EQ(records[2], (std::vector<std::string>{"西暦年", "月", "日", "曜日", "祝日", "節気、雑節", "六曜", "旧暦月",
                                                  "日", "干支", "選日"}));
  EXPECT_EQ(records[3], (std::vector<std::string>{"2024年  ", "1月", "1日", "(月)", "元日", "", "赤口", "旧暦11月", "20日",
                                                  "甲子", "天赦日　一粒万倍日　"}));
  for (std::size_t r = 2; r < records.size(); ++r) EXPECT_EQ(records[r].size(), 11u) << r;
  const auto* jan7 = dayRecord(records, 1, 7);
  ASSERT_TRUE(jan7);
  EXPECT_TRUE((*jan7)[5].ends_with("(七草)")) << (*jan7)[5];
  EXPECT_EQ(run.recorded.launcher.spreadsheetPaths, std::vector<std::string>{run.folder.file(" 2024年カレンダー.csv")});
}

TEST(WholeRun, HolidaysOfTheShippedHolidayFile) {
  struct Case { const char* year; int m; int d; const char* holiday; };
  const Case cases[] = {
      {"2009", 9, 21, "敬老の日"}, {"2009", 9, 22, "国民の休日"}, {"2009", 9, 23, "秋分の日"},
      {"2015", 9, 21, "敬老の日"}, {"2015", 9, 22, "国民の休日"}, {"2008", 5, 6, "振替休日"},
      {"2009", 5, 6, "振替休日"},  {"2012", 1, 2, "振替休日"},   {"2023", 1, 2, "振替休日"},
      {"2024", 3, 20, "春分の日"}, {"2024", 9, 23, "振替休日"},  {"2024", 8, 12, "振替休日"},
      {"2006", 1, 1, "元日"},      {"2005", 1, 1, ""},          {"2005", 3, 20, ""},
  };
  ShippedRun run;
  std::string year;
  testing::CsvRecords records;
  for (const Case& c : cases) {
    if (year != c.year) records = run.csv(year = c.year);
    const auto* r = dayRecord(records, c.m, c.d);
    ASSERT_TRUE(r) << c.year << "-" << c.m << "-" << c.d;
    EXPECT_EQ((*r)[4], c.holiday) << c.year << "-" << c.m << "-" << c.d;
  }
  // Nothing at all before 2006.
  records = run.csv("2005");
  for (std::size_t r = 3; r < records.size(); ++r) EXPECT_EQ(records[r][4], "") << r;
}

TEST(WholeRun, EarlyYearsWithJulianDates) {
  ShippedRun run;
  const std::string bc = run.page("-660");
  EXPECT_EQ(bc.substr(0, bc.find("　（")),
            "<HTLM>" + A + "%E8%A5%BF%E6%9A%A6>西暦</A> " + A + "%E7%B4%80%E5%85%83%E5%89%8D660%E5%B9%B4>-660年</a>");
  EXPECT_NE(bc.find(">辛酉</a>（とり）の年<br>" + A + "%E5%BC%A5%E7%94%9F%E6%99%82%E4%BB%A3>弥生時代</a><br><table"),
            std::string::npos);
  EXPECT_NE(bc.find(">ユリウス暦</a></td>"), std::string::npos);
  EXPECT_EQ(count(bc, "<tr><td>-660年</td>"), 365u);
  EXPECT_EQ(count(bc, ">JC"), 365u);

  const testing::CsvRecords bcCsv = run.csv("-660");
  ASSERT_EQ(bcCsv.size(), 2u + 365);  // no era record
  EXPECT_EQ(bcCsv[0][0], "西暦-660年(ｸﾞﾚｺﾞﾘｵ暦)  辛酉（とり）の年　");
  EXPECT_EQ(bcCsv[1][4], "ユリウス暦");

  const std::string p1582 = run.page("1582");
  EXPECT_NE(p1582.find(">ユリウス暦</a></td>"), std::string::npos);
  EXPECT_NE(p1582.find("<td>10月14日</td><td>(木)</td><td>" + A + "10%E6%9C%884%E6%97%A5>JC10月4日</a></td>"),
            std::string::npos);
  EXPECT_NE(p1582.find("<td>" + A + "10%E6%9C%8815%E6%97%A5>10月15日</a></td><td>(金)</td><td></td>"),
            std::string::npos);
  const testing::CsvRecords c1582 = run.csv("1582");
  EXPECT_EQ(c1582[2][4], "祝日");
  EXPECT_EQ((*dayRecord(c1582, 10, 14))[4], "JC10月4日");
  EXPECT_EQ((*dayRecord(c1582, 10, 15))[4], "");

  const std::string p1581 = run.page("1581");
  EXPECT_NE(p1581.find("<td>1月10日</td><td>(土)</td><td>" + A + "12%E6%9C%8831%E6%97%A5>JC12月31日</a></td>"),
            std::string::npos);
}

TEST(WholeRun, TheYearsOfTheTwoCourts) {
  ShippedRun run;
  const std::string page = run.page("1336");
  EXPECT_NE(page.find("の年<br>建武3年(" + A + "%E5%BB%BA%E6%AD%A6%E3%81%AE%E6%96%B0%E6%94%BF>建武の新政</a>)後醍醐天皇" +
                      "延元1年(南北朝)後醍醐天皇<br><table"),
            std::string::npos);
  const testing::CsvRecords records = run.csv("1336");
  ASSERT_GE(records.size(), 4u);
  EXPECT_EQ(records[1], std::vector<std::string>{"建武3年(建武)後醍醐天皇"});
  EXPECT_EQ(records[2], std::vector<std::string>{"延元1年(南北朝)後醍醐天皇"});
  EXPECT_EQ(records[3][0], "西暦年");
}

TEST(WholeRun, ALeapMonthDaysLinkDropsTheMark) {
  // 2023 has a leap second month from 22 March.
  ShippedRun run;
  const std::string page = run.page("2023");
  EXPECT_NE(page.find(A + "3%E6%9C%8822%E6%97%A5>3月22日</a></td><td>(水)</td><td></td><td>"), std::string::npos);
  EXPECT_NE(page.find(A + "%E6%97%A7%E6%9A%A62%E6%9C%881%E6%97%A5>旧暦閏2月1日</a>"), std::string::npos);
}

TEST(WholeRun, TheCommandLineWritesACsvFileEveryStrictReaderAccepts) {
  TempFolder folder;
  testing::copyShippedData(folder);
  const std::string command = std::string("'") + VENTOREL_CLI + "' --folder '" + folder.path() +
                              "' --format csv 2024 2025 > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* name : {"2024年カレンダー.csv", "2025年カレンダー.csv"}) {
    const std::string bytes = folder.read(name);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << name;
    std::string error;
    const auto records = testing::readStrictCsv(bytes.substr(3), error);
    ASSERT_TRUE(records) << name << ": " << error;
    std::size_t days = 0;
    for (const auto& r : *records)
      if (r.size() >= 20 && r[0].starts_with(std::string(name).substr(0, 4) + "-")) ++days;
    EXPECT_EQ(days, std::string(name) == "2024年カレンダー.csv" ? 366u : 365u) << name;
  }
}

}  // namespace
}  // namespace ventorel
