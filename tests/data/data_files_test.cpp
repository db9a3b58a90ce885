#include "data/data_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/era_lookup.h"
#include "data/text_encoding.h"
#include "app/program_folder.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

using testing::TempFolder;

const std::string Holidays =
    "1,1,\"元日\"\r\n2,11,\"建国記念の日\"\r\n2,23,\"天皇誕生日\"\r\n4,29,\"昭和の日\"\r\n5,3,\"憲法記念日\"\r\n"
    "5,4,\"みどりの日\"\r\n5,5,\"こどもの日\"\r\n8,11,\"山の日\"\r\n11,3,\"文化の日\"\r\n11,23,\"勤労感謝の日\"\r\n"
    ",,\"\"\r\n"
    "\"01月第2月曜日\",\"成人の日\"\r\n\"07月第3月曜日\",\"海の日\"\r\n\"09月第3月曜日\",\"敬老の日\"\r\n"
    "\"10月第2月曜日\",\"スポーツの日\"\r\n\"\",\"\"\r\n";

// Era rows with first years 1000, 1001, ...
std::string eraRows(int count, int firstYear = 1000) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += std::to_string(i) + "," + std::to_string(firstYear + i - 1) + ",\"元" + std::to_string(i) +
            "\",\"平安\",\"帝" + std::to_string(i) + "\",\"げん\"\r\n";
  return text;
}

// New moons every 30 days of a year of twelve 30-day months, as plain rows.
std::string newMoonRows(int count) {
  std::string text;
  for (int r = 0; r < count; ++r)
    text += std::to_string(1901 + r / 12) + "," + std::to_string(r % 12 + 1) + "," + std::to_string(r % 28 + 1) + "\r\n";
  return text;
}

void writeAll(const TempFolder& folder) {
  folder.write("shuku.dat", Holidays);
  folder.write("gen1.dat", eraRows(239));
  folder.write("gen2.dat", eraRows(10, 1331));
  folder.write("singetu.dat", newMoonRows(NewMoonRows));
  folder.write("ini.dat", "1\r\n");
  folder.write("holiday_law.dat", "1948-07-20 - 01-01 元日\n");
  folder.write("era_starts.dat", "line,name,kind,first_jdn,first_gregorian,first_old\nboth,令和,era,2458605,2019-05-01,\n");
}

TEST(DataFiles, AFolderWithAllSevenFillsEveryTableWithoutAMessage) {
  TempFolder folder;
  writeAll(folder);
  const LoadedProgramFolder loaded = loadProgramFolder(folder.path());
  const ReferenceData& s = loaded.data;
  EXPECT_TRUE(loaded.messages.empty());
  EXPECT_TRUE(s.holidays.holidayDate(1, 1).equals(1));
  EXPECT_EQ(s.holidays.holidayName[10], "勤労感謝の日");
  EXPECT_EQ(s.holidays.holidayName[11], "");
  EXPECT_EQ(s.holidays.holidayRule[12], "01月第2月曜日");
  EXPECT_EQ(s.holidays.holidayName[15], "スポーツの日");
  EXPECT_EQ(s.eras.rows.size(), static_cast<std::size_t>(239));
  EXPECT_EQ(s.secondCourtEras.rows.size(), static_cast<std::size_t>(10));
  EXPECT_EQ(s.eras.rows.at(238).name, "元239");
  EXPECT_EQ(s.newMoonTable[NewMoonRows]->year, 1901 + (NewMoonRows - 1) / 12);
  EXPECT_TRUE(s.lawComplete);
  EXPECT_EQ(s.holidayLaw.rules().at(0).name, "元日");
  EXPECT_EQ(s.eraStarts.starts().at(0).firstYear, 2019);
}

TEST(DataFiles, MissingOrMisCasedFilesAreReportedOneByOneAndTheRestLoads) {
  struct Case {
    const char* removed;
    const char* storedAs;  // nullptr: not stored at all
  };
  for (const Case c : {Case{"shuku.dat", "SHUKU.DAT"}, {"gen1.dat", nullptr}, {"gen2.dat", nullptr},
                       {"singetu.dat", "Singetu.dat"}, {"ini.dat", nullptr}, {"holiday_law.dat", nullptr},
                       {"era_starts.dat", nullptr}}) {
    TempFolder folder;
    writeAll(folder);
    if (c.storedAs)
      std::filesystem::rename(folder.file(c.removed), folder.file(c.storedAs));
    else
      std::filesystem::remove(folder.file(c.removed));
    const LoadedProgramFolder loaded = loadProgramFolder(folder.path());
    const ReferenceData& s = loaded.data;
    ASSERT_EQ(loaded.messages.size(), 1u) << c.removed;
    EXPECT_TRUE(loaded.messages[0].starts_with(MissingFileMessage)) << loaded.messages[0];
    const std::string removed = c.removed;
    EXPECT_EQ(s.holidays.holidayName[1].empty(), removed == "shuku.dat");
    EXPECT_EQ(s.eras.rows.size(), static_cast<std::size_t>(removed == "gen1.dat" ? 0 : 239));
    EXPECT_EQ(s.secondCourtEras.rows.size(), static_cast<std::size_t>(removed == "gen2.dat" ? 0 : 10));
    EXPECT_EQ(!s.newMoonTable[1], removed == "singetu.dat");
    EXPECT_EQ(s.eraStarts.empty(), removed == "era_starts.dat");
  }
  TempFolder empty;
  EXPECT_EQ(loadProgramFolder(empty.path()).messages.size(), 7u);
}

TEST(DataFiles, ShiftJisAndUtf8WithMarkReadAlike) {
  const auto cp932 = utf8ToCp932(Holidays);
  ASSERT_TRUE(cp932);
  for (const std::string& bytes : {*cp932, "\xEF\xBB\xBF" + Holidays}) {
    ReferenceData s;
    ASSERT_TRUE(readDataFile(DataFile::Holidays, bytes, s));
    EXPECT_EQ(s.holidays.holidayName[1], "元日");
    EXPECT_EQ(s.holidays.holidayRule[14], "09月第3月曜日");
    EXPECT_EQ(s.holidays.holidayName[14], "敬老の日");
  }
  const auto eras = utf8ToCp932(eraRows(3));
  ASSERT_TRUE(eras);
  ReferenceData s;
  ASSERT_TRUE(readDataFile(DataFile::Eras, *eras, s));
  EXPECT_EQ(s.eras.rows.at(1).name, "元2");
  EXPECT_FALSE(readDataFile(DataFile::Eras, "\x82", s));  // neither UTF-8 nor CP932
}

TEST(DataFiles, HolidaySectionsShareOneRunningRowNumber) {
  ReferenceData s;
  ASSERT_TRUE(readDataFile(DataFile::Holidays,
                           "1,1,元日\n5,3,\"憲法記念日\"\n0,0,\"\"\n\"01月第2月曜日\",成人の日\n,\n", s));
  EXPECT_EQ(s.holidays.holidayName[2], "憲法記念日");
  EXPECT_EQ(s.holidays.holidayName[3], "");  // the terminator's row
  EXPECT_EQ(s.holidays.holidayRule[4], "01月第2月曜日");
  EXPECT_EQ(s.holidays.holidayName[4], "成人の日");
  EXPECT_EQ(s.holidays.holidayName[5], "");
  EXPECT_TRUE(s.holidays.holidayRule[6].empty());
}

// A damaged file is not used at all, and its problem names the line where reading stopped.
void expectDamagedAt(DataFile file, const std::string& text, int line) {
  ReferenceData s;
  DataFileProblem problem;
  EXPECT_FALSE(readDataFile(file, text, s, &problem)) << text;
  EXPECT_EQ(problem.file, dataFileName(file));
  EXPECT_EQ(problem.line, line) << text << "\n" << problem.text();
  EXPECT_FALSE(problem.message.empty());
  EXPECT_TRUE(s.holidays.holidayName[1].empty());
  EXPECT_EQ(s.eras.rows.size() + s.secondCourtEras.rows.size(), 0u);
  EXPECT_FALSE(s.newMoonTable[1]);
}

TEST(DataFiles, DamagedHolidayFilesAreLeftOutAndTheLineIsNamed) {
  std::string twentyFixed;
  for (int i = 1; i <= 20; ++i) twentyFixed += "1," + std::to_string(i) + ",\"日" + std::to_string(i) + "\"\n";
  struct Case {
    std::string text;
    int line;
  };
  const std::vector<Case> cases = {
      {"1,1,元日\n2,11", 2},                             // cut in the middle of a record
      {"1,1,元日\n2,11,建国記念の日\n", 2},             // no terminator
      {"1,1,元日\n\n13,1,十三月\n", 3},                 // a month that is no month, after a blank line
      {"1,1,元日\nx,1,x\n", 2},
      {"1,1,元日\n2,0.5,半日\n", 2},
      {"1,1,元日\nx,,\"\"\n", 2},                       // a terminator with a word for a month
      {"1,1,元日\n,,\"\"\n\"第2月曜日\",成人の日\n", 3},  // a rule without its month
      {"1,1,元日\n,,\"\"\n\"01月第9月曜日\",成人の日\n", 3},
      {"1,1,元日\n,,\"\"\n\"01月第2月曜日\",成人の日\n", 3},  // no closing record
      {"1,1,元日\n,,\"\"\n\"01月第2月曜日\",\"成人", 3},      // a quote left open
      {twentyFixed + ",,\"\"\n", 20},                     // the terminator would need row 21
      {",,,,,,,,,,,,\n", 1},                              // commas only
      {",,\"\"\n,\n", 1},                                // no holiday at all
      {"1,1,元日\n,,\"\"\n,\n" + std::string(1000, 'x') + "\n", 4},  // junk after the last record
      {"1,1,元日\n2,11,建国" + std::string(1, '\0') + "記念の日\n,,\"\"\n,\n", 2},  // a NUL in a name
      {"1,1,元日\r\n\r\n2,11,\x1b[31m\r\n,,\"\"\n,\n", 3},            // an escape sequence
      {std::string(MaxDataFileBytes + 1, '\n'), 0},          // larger than any data file
  };
  for (const Case& c : cases) expectDamagedAt(DataFile::Holidays, c.text, c.line);
}

TEST(DataFiles, EraFilesAreReadRowByRowUpToTheEndOfTheFile) {
  struct Case {
    std::string text;
    int rows;  // 0: damaged at `line`
    int line;
  };
  const std::vector<Case> cases = {
      {eraRows(239), 239, 0},
      {eraRows(240), 240, 0},
      {eraRows(240) + "\r\n\r\n", 240, 0},
      {eraRows(MaxEraRows), MaxEraRows, 0},
      {eraRows(10) + "11,1009,a,b,c,d\r\n", 11, 0},           // the same first year as the row before
      {eraRows(MaxEraRows + 1), 0, MaxEraRows + 1},
      {eraRows(10) + "11,2000,\"x\",\"y\",\"z\"\r\n", 0, 11},  // a row cut short
      {eraRows(10) + "11,西暦,a,b,c,d\r\n", 0, 11},           // a first year that is no number
      {eraRows(10) + "11,999,a,b,c,d\r\n", 0, 11},            // out of order
      {eraRows(10) + "11,999,a,\"b,c,d\r\n", 0, 11},         // a quote left open
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    if (c.rows == 0) {
      expectDamagedAt(DataFile::Eras, c.text, c.line);
      expectDamagedAt(DataFile::SecondCourtEras, c.text, c.line);
      continue;
    }
    ReferenceData s;
    EXPECT_TRUE(readDataFile(DataFile::Eras, c.text, s)) << c.rows;
    EXPECT_EQ(s.eras.rows.size(), static_cast<std::size_t>(c.rows));
    EXPECT_TRUE(readDataFile(DataFile::SecondCourtEras, c.text, s)) << c.rows;
    EXPECT_EQ(s.secondCourtEras.rows.size(), static_cast<std::size_t>(c.rows));
  }
  ReferenceData s;
  ASSERT_TRUE(readDataFile(DataFile::Eras, eraRows(240, 1780), s));
  EXPECT_EQ(s.eras.eraFor(2019), &s.eras.rows.back());  // the last row is found
  EXPECT_EQ(s.eras.rows.back().emperor, "帝240");
}

TEST(DataFiles, NewMoonFileNeedsEveryRowAsADateInOrder) {
  struct Case {
    std::string text;
    int line;  // 0: intact
  };
  const std::string head = newMoonRows(5);
  const std::vector<Case> cases = {
      {newMoonRows(NewMoonRows), 0},
      {newMoonRows(NewMoonRows) + "\r\n\r\n", 0},
      {newMoonRows(NewMoonRows) + "2100,1,1\r\n", NewMoonRows + 1},  // text after the last row
      {newMoonRows(100), 100},
      {head + "1901,6", 6},
      {head + "1901,13,1\r\n", 6},
      {head + "1901,6,31\r\n", 6},
      {head + "1901,5,5\r\n", 6},  // the same day as the row before
      {head + "1901,x,6\r\n", 6},
      {"2000,2,29\r\n", 1},        // a leap day, then the file ends early
      {"2001,2,29\r\n", 1},
  };
  for (const Case& c : cases) {
    if (c.line > 0) {
      expectDamagedAt(DataFile::NewMoons, c.text, c.line);
      continue;
    }
    ReferenceData s;
    EXPECT_TRUE(readDataFile(DataFile::NewMoons, c.text, s));
    EXPECT_TRUE(s.newMoonTable[NewMoonRows]);
  }
}

}  // namespace
}  // namespace ventorel
