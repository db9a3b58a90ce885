// The two calendar files written from a hand-filled year: their exact texts,
// their shape, and what happens when the file or the browser fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "csv_reader.h"
#include "data/numbers.h"
#include "app/generation_run.h"
#include "classic/csv_calendar.h"
#include "output/article_link.h"
#include "output/html_escape.h"
#include "output_fixture.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

const std::string A = std::string("<a href=") + ArticleBaseUrl;
const std::string Bom = "\xEF\xBB\xBF";

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

// The fixture's calendar and holidays for the year, written into a temporary folder.
struct Writer {
  TempFolder folder;
  std::unique_ptr<testing::FixtureYear> year;
  std::string programFolder = folder.path();
  RecordingLauncher launcher;

  explicit Writer(double y) : year(testing::chosenYear(y)) {}
  RunReport write(double format) {
    return writeCalendar(year->data, RunSettings{programFolder, Value(format)}, year->calendar(), launcher);
  }
  RunReport html() { return write(0); }
  RunReport csv() { return write(1); }
  int dayIndex(int m, int d) const { return year->dayIndex(m, d); }
  // The page without its byte-order mark, its quotes and its line end.
  std::string page(const std::string& name) {
    const std::string bytes = folder.read(name);
    EXPECT_EQ(bytes.substr(0, 4), Bom + "\"");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "\"\r\n");
    return bytes.substr(4, bytes.size() - 7);
  }
  testing::CsvRecords records(const std::string& name) {
    const std::string bytes = folder.read(name);
    EXPECT_EQ(bytes.substr(0, 3), Bom);
    std::string error;
    const auto parsed = testing::readStrictCsv(bytes.substr(3), error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(testing::CsvRecords{});
  }
};

TEST(HtmlCalendar, The2024Page) {
  Writer w(2024);
  const RunReport result = w.html();
  EXPECT_EQ(result.status, RunStatus::Done);
  EXPECT_EQ(result.outputPath, w.folder.file(" 2024年カレンダー.htm"));
  EXPECT_EQ(w.launcher.browserPaths, std::vector<std::string>{result.outputPath});
  const std::string page = w.page(" 2024年カレンダー.htm");

  const std::string title = "<HTLM>" + A + "%E8%A5%BF%E6%9A%A6>西暦</A> " + A + "2024%E5%B9%B4>2024年</a>　（" + A +
                            "%E3%82%B0%E3%83%AC%E3%82%B4%E3%83%AA%E3%82%AA%E6%9A%A6>グレゴリオ暦</a>)　" + A +
                            "%E7%94%B2%E8%BE%B0>甲辰</a>（たつ）の年<br>";
  const std::string header =
      "<br><table border=0><tr><td>西暦年</td><td>月日</td><td>" + A + "%E6%9B%9C%E6%97%A5>曜日</a></td><td>" + A +
      "%E5%9B%BD%E6%B0%91%E3%81%AE%E7%A5%9D%E6%97%A5>祝日</a></td><td>" + A + "%E7%AF%80%E6%B0%97>節気</A>、" + A +
      "%E9%9B%91%E7%AF%80>雑節</A></td><td>" + A + "%E5%85%AD%E6%9B%9C>六曜</A></td><td>" + A +
      "%E6%97%A7%E6%9A%A6>旧暦</A>月日</td><td>" + A + "%E5%B9%B2%E6%94%AF>干支</A></td><td>" + A +
      "%E9%81%B8%E6%97%A5>選日</A></td></tr>";
  const std::string firstRow =
      "<tr><td>2024年</td><td>" + A + "1%E6%9C%881%E6%97%A5>1月1日</a></td><td>(月)</td><td>" + A +
      "%E5%85%83%E6%97%A5>元日</A></td><td></td><td>赤口</td><td>" + A +
      "%E6%97%A7%E6%9A%A611%E6%9C%8820%E6%97%A5>旧暦11月20日</a></td><td>" + A +
      "%E7%94%B2%E5%AD%90>甲子</a></td><td>" + A + "%E5%A4%A9%E8%B5%A6%E6%97%A5>天赦日</A>　" + A +
      "%E4%B8%80%E7%B2%92%E4%B8%87%E5%80%8D%E6%97%A5>一粒万倍日</A>　</td></tr>";
  // No era rows are loaded, so the era line is empty.
  EXPECT_EQ(page.substr(0, title.size() + header.size() + firstRow.size()), title + header + firstRow);
  EXPECT_EQ(page.substr(page.size() - 15), "</table></HTLM>");
  EXPECT_EQ(count(page, "<tr>"), 367u);
  EXPECT_EQ(count(page, "</tr>"), 367u);
  EXPECT_EQ(page.find('"'), std::string::npos);
  EXPECT_EQ(page.find('\n'), std::string::npos);
}

TEST(HtmlCalendar, CellsOfParticularDays) {
  Writer w(2024);
  w.html();
  const std::string page = w.page(" 2024年カレンダー.htm");
  const std::string nanakusa = "(" + A + "%E4%BA%BA%E6%97%A5>七草</a>)</td><td>";
  // 7 January: the festival closes the notes cell.
  EXPECT_NE(page.find("(日)</td><td></td><td>" + nanakusa), std::string::npos);
  // A day of the leap month: the link drops the mark, the text keeps it.
  EXPECT_NE(page.find(A + "%E6%97%A7%E6%9A%A61%E6%9C%889%E6%97%A5>旧暦閏1月9日</a>"), std::string::npos);
  // 2024-01-08 成人の日 linked; the spring equinox with its term note.
  EXPECT_NE(page.find(A + "%E6%88%90%E4%BA%BA%E3%81%AE%E6%97%A5>成人の日</A></td>"), std::string::npos);
  EXPECT_NE(page.find(A + "%E6%98%A5%E5%88%86%E3%81%AE%E6%97%A5>春分の日</A></td><td>" + A + "%E6%98%A5%E5%88%86>春分</A>(2月中気)"),
            std::string::npos);
  EXPECT_NE(page.find("<tr><td>2024年</td><td>" + A + "12%E6%9C%8831%E6%97%A5>12月31日</a></td><td>(火)"),
            std::string::npos);
}

TEST(HtmlCalendar, JulianRowsUpToTheFourteenthOfOctober1582) {
  Writer w(1582);
  w.html();
  const std::string page = w.page(" 1582年カレンダー.htm");
  EXPECT_NE(page.find(A + "%E3%83%A6%E3%83%AA%E3%82%A6%E3%82%B9%E6%9A%A6>ユリウス暦</a></td><td>"), std::string::npos);
  EXPECT_NE(page.find("<tr><td>1582年</td><td>10月14日</td><td>(木)</td><td>" + A +
                      "10%E6%9C%884%E6%97%A5>JC10月4日</a></td><td>"),
            std::string::npos);
  EXPECT_NE(page.find("<tr><td>1582年</td><td>" + A + "10%E6%9C%8815%E6%97%A5>10月15日</a></td><td>(金)</td><td></td><td>"),
            std::string::npos);
  EXPECT_EQ(count(page, "<tr>"), 366u);
  EXPECT_EQ(count(page, ">JC"), 287u);

  Writer before(1581);
  before.html();
  EXPECT_NE(before.page(" 1581年カレンダー.htm")
                .find("<td>1月10日</td><td>(土)</td><td>" + A + "12%E6%9C%8831%E6%97%A5>JC12月31日</a></td>"),
            std::string::npos);
}

TEST(HtmlCalendar, AYearBeforeChrist) {
  Writer w(-660);
  const RunReport result = w.html();
  EXPECT_EQ(result.outputPath, w.folder.file("-660年カレンダー.htm"));
  const std::string page = w.page("-660年カレンダー.htm");
  EXPECT_EQ(page.substr(0, page.find("　（")),
            "<HTLM>" + A + "%E8%A5%BF%E6%9A%A6>西暦</A> " + A + "%E7%B4%80%E5%85%83%E5%89%8D660%E5%B9%B4>-660年</a>");
  EXPECT_NE(page.find(A + "%E8%BE%9B%E9%85%89>辛酉</a>（とり）の年<br>" + A +
                      "%E5%BC%A5%E7%94%9F%E6%99%82%E4%BB%A3>弥生時代</a><br><table"),
            std::string::npos);
  EXPECT_EQ(count(page, "<tr><td>-660年</td><td>"), 365u);
  EXPECT_EQ(count(page, ">JC"), 365u);
}

TEST(HtmlCalendar, DataTextsCannotAddMarkup) {
  Writer w(2024);
  w.year->data.holidays.holidayDate(1, 1) = Value(6.0);
  w.year->data.holidays.holidayDate(2, 1) = Value(1.0);
  w.year->data.holidays.holidayName[1] = "<script>\"x\"&";
  w.html();
  const std::string page = w.page(" 2024年カレンダー.htm");
  EXPECT_NE(page.find("<td>&lt;script&gt;&quot;x&quot;&amp;</td>"), std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);
}

TEST(CsvCalendar, The2024File) {
  Writer w(2024);
  w.year->data.holidays.holidayName[5] = "憲法\"記念\"日";
  const RunReport result = w.csv();
  EXPECT_EQ(result.status, RunStatus::Done);
  EXPECT_EQ(w.launcher.spreadsheetPaths, std::vector<std::string>{w.folder.file(" 2024年カレンダー.csv")});
  EXPECT_TRUE(w.launcher.browserPaths.empty());
  const testing::CsvRecords records = w.records(" 2024年カレンダー.csv");
  ASSERT_EQ(records.size(), 368u);
  EXPECT_EQ(records[0], std::vector<std::string>{"西暦2024年(ｸﾞﾚｺﾞﾘｵ暦)  甲辰（たつ）の年　"});
  EXPECT_EQ(records[1], (std::vector<std::string>{"西暦年", "月", "日", "曜日", "祝日", "節気、雑節", "六曜", "旧暦月",
                                                  "日", "干支", "選日"}));
  EXPECT_EQ(records[2], (std::vector<std::string>{"2024年  ", "1月", "1日", "(月)", "元日", "", "赤口", "旧暦11月", "20日",
                                                  "甲子", "天赦日　一粒万倍日　"}));
  for (std::size_t r = 1; r < records.size(); ++r) EXPECT_EQ(records[r].size(), 11u) << r;
  EXPECT_EQ(records[8][5], "(七草)");
  EXPECT_EQ(records[2 + w.dayIndex(5, 3) - 1][4], "憲法\"記念\"日");
  EXPECT_EQ(records[2 + w.dayIndex(5, 6) - 1][4], "振替休日");
  EXPECT_EQ(records[2 + w.dayIndex(3, 20) - 1][4], "春分の日");
  EXPECT_EQ(records.back()[1] + records.back()[2], "12月31日");
}

TEST(CsvCalendar, EarlyYears) {
  struct Case { double year; const char* name; std::size_t days; const char* fifthHeader; const char* title; };
  const Case cases[] = {
      {1582, " 1582年カレンダー.csv", 365, "祝日", "西暦1582年(ｸﾞﾚｺﾞﾘｵ暦)  壬午（うま）の年　"},
      {1581, " 1581年カレンダー.csv", 365, "ユリウス暦", "西暦1581年(ｸﾞﾚｺﾞﾘｵ暦)  辛巳（へび）の年　"},
      {-660, "-660年カレンダー.csv", 365, "ユリウス暦", "西暦-660年(ｸﾞﾚｺﾞﾘｵ暦)  辛酉（とり）の年　"},
  };
  for (const Case& c : cases) {
    Writer w(c.year);
    w.csv();
    const testing::CsvRecords records = w.records(c.name);
    ASSERT_EQ(records.size(), c.days + 2) << c.year;
    EXPECT_EQ(records[0][0], c.title);
    EXPECT_EQ(records[1][4], c.fifthHeader);
    EXPECT_EQ(records[2][0], trimmedNumber(c.year) + "年  ");
  }
  Writer w(1582);
  w.csv();
  const testing::CsvRecords records = w.records(" 1582年カレンダー.csv");
  const int oct14 = w.dayIndex(10, 14);
  EXPECT_EQ(records[1 + oct14][4], "JC10月4日");
  EXPECT_EQ(records[1 + oct14 + 1][4], "");
  EXPECT_EQ(records[1 + oct14 + 1][1] + records[1 + oct14 + 1][2], "10月15日");
}

TEST(CsvCalendar, DataTextsASpreadsheetWouldEvaluateGetALeadingQuote) {
  struct Case { std::string text; bool guarded; };
  const Case cases[] = {{"=HYPERLINK(\"http://x\")", true}, {"=cmd|' /C calc'!A0", true}, {"+1", true}, {"-1", true},
                        {"@SUM(A1)", true}, {"\tx", true}, {"\rx", true}, {"元日", false}, {"a=b", false}, {"'x", false}};
  const auto fixture = testing::chosenYear(2024);
  for (const Case& c : cases) {
    CalendarYear year = fixture->calendar();
    year.eras = {EraRecord{Court::Main, c.text, 6, c.text, c.text}};
    year.days[static_cast<std::size_t>(fixture->dayIndex(1, 2) - 1)].holiday = DayHoliday{c.text};
    const std::string text = csvCalendar(year, fixture->data.names);
    const std::string cell = (c.guarded ? "'" : "") + c.text;
    const std::string eraRecord = csvField(cell + "6年(" + c.text + ")" + c.text + "天皇");
    EXPECT_NE(text.find("\r\n" + eraRecord + "\r\n"), std::string::npos) << c.text;
    EXPECT_NE(text.find("\"(火)\"," + csvField(cell) + ","), std::string::npos) << c.text;
  }
}

TEST(CalendarFiles, WritingTheSameYearTwiceReplacesTheFile) {
  Writer w(2024);
  w.folder.write(" 2024年カレンダー.csv", std::string(1000000, 'x'));
  w.csv();
  const std::string first = w.folder.read(" 2024年カレンダー.csv");
  EXPECT_EQ(first.find('x'), std::string::npos);
  w.csv();
  EXPECT_TRUE(w.folder.read(" 2024年カレンダー.csv") == first);
  // Nothing but the calendar is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(w.folder.path()), {}), 1);
}

TEST(CalendarFiles, AFileThatCannotBeWrittenIsReportedAndNothingIsHandedOn) {
  Writer w(2024);
  // The calendar's name is taken by a folder: the rename over it fails.
  std::filesystem::create_directory(w.folder.file(" 2024年カレンダー.htm"));
  const RunReport result = w.html();
  EXPECT_EQ(result.status, RunStatus::WriteFailed);
  EXPECT_NE(result.problem.text().find(w.folder.file(" 2024年カレンダー.htm")), std::string::npos);
  EXPECT_NE(result.problem.text().find("フォルダーです"), std::string::npos) << result.problem.text();
  EXPECT_TRUE(w.launcher.browserPaths.empty());
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(w.folder.path()), {}), 1);

  // A folder that does not exist.
  Writer lost(2024);
  lost.programFolder = lost.folder.file("gone");
  const RunReport lostResult = lost.csv();
  EXPECT_EQ(lostResult.status, RunStatus::WriteFailed);
  EXPECT_NE(lostResult.problem.text().find("ファイルまたはフォルダーがありません"), std::string::npos);
  EXPECT_TRUE(lost.launcher.spreadsheetPaths.empty());
}

TEST(CalendarFiles, AWriteCutShortLeavesTheOldFileIntact) {
  // A full disk, simulated by a file-size limit below the page's size.
  Writer w(2024);
  w.folder.write(" 2024年カレンダー.htm", "old page");
  RunReport result;
  {
    testing::FileSizeLimit full(20000);
    result = w.html();
  }
  EXPECT_EQ(result.status, RunStatus::WriteFailed);
  EXPECT_NE(result.problem.text().find("ファイルが大きすぎます"), std::string::npos) << result.problem.text();
  EXPECT_EQ(w.folder.read(" 2024年カレンダー.htm"), "old page");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(w.folder.path()), {}), 1);
}

TEST(CalendarFiles, ABrowserThatCannotStartIsReportedAfterTheFileIsWritten) {
  Writer w(2024);
  w.launcher.browserFails = true;
  const RunReport result = w.html();
  EXPECT_EQ(result.status, RunStatus::RunError);
  EXPECT_NE(result.problem.text().find("ブラウザーがありません"), std::string::npos);
  EXPECT_NE(result.problem.text().find(result.outputPath), std::string::npos);
  EXPECT_EQ(count(w.page(" 2024年カレンダー.htm"), "<tr>"), 367u);
}

}  // namespace
}  // namespace ventorel
