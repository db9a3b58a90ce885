// The data files shipped in data/: they load cleanly and say what they should.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "astro/julian_day.h"
#include "calendar/eras.h"
#include "data/data_files.h"
#include "output/era_names.h"
#include "data/era_lookup.h"
#include "data/numbers.h"
#include "data/text.h"
#include "platform/recording.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::copyShippedData(folder_);
    LoadedReferenceData read = loadProgramFolder(folder_.path());
    *state_ = std::move(read.data);
    for (std::size_t i = 0; i < read.messages.size(); ++i) messages_.show(MissingFileMessage);
  }
  TempFolder folder_;
  std::unique_ptr<ReferenceData> state_ = std::make_unique<ReferenceData>();
  RecordingMessageBox messages_;
};

TEST_F(ShippedData, EveryFileLoadsWithoutAMessage) {
  EXPECT_TRUE(messages_.texts.empty());
  EXPECT_EQ(state_->eras.rows.size(), 240u);
  EXPECT_EQ(state_->secondCourtEras.rows.size(), 10u);
  // The holiday file is Shift_JIS, not UTF-8 that happens to work.
  EXPECT_FALSE(isValidUtf8(folder_.read("shuku.dat")));
}

TEST_F(ShippedData, HolidaysFillTheRowsTheCalendarConsults) {
  const ReferenceData& s = *state_;
  struct Fixed { int row, month, day; const char* name; };
  for (const Fixed f : {Fixed{1, 1, 1, "元日"}, {2, 2, 11, "建国記念の日"}, {3, 2, 23, "天皇誕生日"}, {4, 4, 29, "昭和の日"},
                        {5, 5, 3, "憲法記念日"}, {6, 5, 4, "みどりの日"}, {7, 5, 5, "こどもの日"}, {8, 8, 11, "山の日"},
                        {9, 11, 3, "文化の日"}, {10, 11, 23, "勤労感謝の日"}}) {
    EXPECT_TRUE(s.holidays.holidayDate(1, f.row).equals(f.month)) << f.name;
    EXPECT_TRUE(s.holidays.holidayDate(2, f.row).equals(f.day)) << f.name;
    EXPECT_EQ(s.holidays.holidayName[f.row], f.name);
  }
  EXPECT_EQ(s.holidays.holidayName[11], "");
  struct Monday { int row, month, n; const char* name; };
  for (const Monday m : {Monday{12, 1, 2, "成人の日"}, {13, 7, 3, "海の日"}, {14, 9, 3, "敬老の日"}, {15, 10, 2, "スポーツの日"}}) {
    EXPECT_EQ(numericValue(leftChars(s.holidays.holidayRule[m.row], 2)), m.month) << m.name;
    EXPECT_EQ(numericValue(rightChars(s.holidays.holidayRule[m.row], 4)), m.n) << m.name;
    EXPECT_EQ(s.holidays.holidayName[m.row], m.name);
  }
}

TEST_F(ShippedData, NewMoonsCoverTheCenturyInOrderOneLunationApart) {
  const ReferenceData& s = *state_;
  EXPECT_EQ(s.newMoonTable[1]->year, 1901);
  EXPECT_EQ(s.newMoonTable[NewMoonRows]->year, 2099);
  std::int64_t previous = 0, first = 0;
  for (int r = 1; r <= NewMoonRows; ++r) {
    const NewMoonDate& date = s.newMoonTable[r].value();
    const std::int64_t day = jdnOfGregorian(static_cast<int>(date.year), date.month, date.day);
    if (r > 1) {
      EXPECT_GE(day - previous, 29) << "row " << r;
      EXPECT_LE(day - previous, 30) << "row " << r;
    }
    if (r == 1) first = day;
    previous = day;
  }
  // No lunation of the century is missing at either end.
  EXPECT_LT(first - jdnOfGregorian(1901, 1, 1), 30);
  EXPECT_LT(jdnOfGregorian(2099, 12, 31) - previous, 30);
}

TEST_F(ShippedData, EraRowsAscendAndNameBothCourts) {
  const ReferenceData& s = *state_;
  for (const EraList* list : {&s.eras, &s.secondCourtEras}) {
    std::set<std::string> periods;
    for (std::size_t i = 0; i < list->rows.size(); ++i) {
      const EraRow& row = list->rows[i];
      EXPECT_EQ(row.number, std::to_string(i + 1));
      if (i > 0) {
        EXPECT_GE(row.firstYear, list->rows[i - 1].firstYear) << row.name;
      }
      for (const std::string* field : {&row.name, &row.period, &row.emperor, &row.reading})
        EXPECT_FALSE(field->empty()) << "row " << i + 1;
      EXPECT_FALSE(endsWith(row.emperor, "天皇")) << row.emperor;
      periods.insert(row.period);
    }
    const std::set<std::string> known = {"飛鳥", "奈良", "平安", "鎌倉", "建武", "南北朝", "室町（中期）", "戦国",
                                         "安土桃山", "江戸", "明治", "大正", "昭和", "平成", "令和"};
    for (const std::string& p : periods) EXPECT_TRUE(known.count(p)) << p;
  }
  std::vector<std::string> southern;
  for (const EraRow& row : s.secondCourtEras.rows) southern.push_back(row.name);
  EXPECT_EQ(southern, (std::vector<std::string>{"元弘", "建武", "延元", "興国", "正平", "建徳", "文中", "天授", "弘和",
                                                "元中"}));
}

TEST_F(ShippedData, YearsFindTheirEra) {
  const ReferenceData& s = *state_;
  struct Case { double year; const char* era; double n; const char* emperor; };
  for (const Case c : {Case{645, "大化", 1, "孝徳"}, {700, "朱鳥", 15, "天武"}, {749, "天平勝宝", 1, "孝謙"},
                       {1331, "元弘", 1, "後醍醐"}, {1336, "建武", 3, "後醍醐"}, {1392, "明徳", 3, "後小松"},
                       {1830, "天保", 1, "仁孝"}, {1868, "明治", 1, "明治"}, {1989, "平成", 1, "明仁"},
                       {2018, "平成", 30, "明仁"}, {2019, "令和", 1, "徳仁"}, {2026, "令和", 8, "徳仁"}}) {
    const EraRow* row = s.eras.eraFor(c.year);
    ASSERT_TRUE(row) << c.year;
    EXPECT_EQ(row->name, c.era) << c.year;
    EXPECT_EQ(yearOfEra(*row, c.year), c.n) << c.year;
    EXPECT_EQ(row->emperor, c.emperor) << c.year;
  }
  EXPECT_FALSE(s.eras.eraFor(644));
  EXPECT_EQ(plainEraText(eraRecordsOf(2026, s).at(0)), "令和8年(令和)徳仁天皇");

  // The years of the two courts have an era in each table.
  struct Southern { double year; const char* era; double n; };
  for (const Southern c : {Southern{1331, "元弘", 1}, {1336, "延元", 1}, {1346, "正平", 1}, {1392, "元中", 9}}) {
    const EraRow* row = s.secondCourtEras.eraFor(c.year);
    ASSERT_TRUE(row) << c.year;
    EXPECT_EQ(row->name, c.era) << c.year;
    EXPECT_EQ(yearOfEra(*row, c.year), c.n) << c.year;
  }
  EXPECT_EQ(plainEraText(eraRecordsOf(1336, s).at(1)), "延元1年(南北朝)後醍醐天皇");
}

}  // namespace
}  // namespace ventorel
