// ini.dat, the user's settings: the two records every version reads, and the
// window's records after them.
#include "app/app_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program_folder.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

TEST(AppSettings, RecordsReadAndWritten) {
  struct Case {
    const char* text;
    bool intact;
    double format;  // -1: damaged
    bool classic = false;
    const char* folder = "";
    const char* geometry = "";
  };
  // The second record chooses the classic calendar; a file without it (as older
  // versions wrote) or with anything but 1 there chooses the true sky.
  for (const Case c : {Case{"0\r\n", true, 0}, {"1", true, 1}, {" \"1\" \r\n", true, 1}, {"2\r\n", false, -1},
                       {"csv\r\n", false, -1}, {"", false, -1}, {"\r\n", false, -1}, {"1\r\n1\r\n", true, 1, true},
                       {"0\r\n0\r\n", true, 0}, {"0\r\n\"1\"\r\n", true, 0, true}, {"1\r\nx\r\n", true, 1},
                       {"2\r\n1\r\n", false, -1},
                       {"1\r\n1\r\n\"/home/a/暦\"\r\n\"ics json\"\r\n\"10 20 900 600\"\r\n", true, 1, true, "/home/a/暦",
                        "10 20 900 600"},
                       {"0\r\n0\r\n\"/tmp\"\r\n\"x\r\n", true, 0, false, "/tmp"}}) {
    AppSettings s;
    Problem problem;
    EXPECT_EQ(readAppSettings(c.text, s, &problem), c.intact) << c.text;
    if (!c.intact) {
      EXPECT_EQ(problem.text().rfind("ini.dat 1行目：", 0), 0u) << problem.text();
      EXPECT_TRUE(s.outputFormat.isUnset());
      continue;
    }
    EXPECT_EQ(s.classicCalendar, c.classic) << c.text;
    EXPECT_TRUE(s.outputFormat.equals(c.format)) << c.text;
    EXPECT_EQ(s.exportFolder, c.folder) << c.text;
    EXPECT_EQ(s.windowGeometry, c.geometry) << c.text;
  }
}

TEST(AppSettings, TextKeepsTheOldRecordsAndAddsOnlyWhatIsSet) {
  auto made = [](Value format, bool classic, const char* folder = "", const char* formats = "",
                 const char* geometry = "") { return AppSettings{std::move(format), classic, folder, formats, geometry}; };
  struct Case {
    AppSettings settings;
    const char* text;
  };
  const Case cases[] = {
      {made(Value(1.0), false), "1\r\n0\r\n"},
      {made(Value(0.0), true), "0\r\n1\r\n"},
      {made(Value(), false), "0\r\n0\r\n"},
      {made(Value(std::string("x")), false), "\"x\"\r\n0\r\n"},
      {made(Value(1.0), false, "/d"), "1\r\n0\r\n\"/d\"\r\n"},
      {made(Value(1.0), false, "", "", "1 2 3 4"), "1\r\n0\r\n\"\"\r\n\"\"\r\n\"1 2 3 4\"\r\n"},
      {made(Value(1.0), false, "/a\"b", "htm"), "1\r\n0\r\n\"\"\r\n\"htm\"\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(appSettingsText(c.settings), c.text);
    AppSettings back;
    ASSERT_EQ(readAppSettings(appSettingsText(c.settings), back), !c.settings.outputFormat.isText());
    EXPECT_EQ(back.exportFormats, c.settings.exportFormats);
    EXPECT_EQ(back.windowGeometry, c.settings.windowGeometry);
  }
}

// Saves the CSV format into the settings file of `folder`; returns the message shown, if any.
std::string saveCsvFormatIn(const testing::TempFolder& folder) {
  AppSettings settings;
  settings.outputFormat = Value(1.0);
  std::string message;
  return saveSettings(folder.path(), settings, message) ? "" : message;
}

TEST(AppSettings, SavingWritesTheSettingsFileAndCreatesAMissingOne) {
  {
    testing::TempFolder folder;
    folder.write("ini.dat", "0\r\n");
    EXPECT_EQ(saveCsvFormatIn(folder), "");
    EXPECT_EQ(folder.read("ini.dat"), "1\r\n0\r\n");
    AppSettings back;
    ASSERT_TRUE(readAppSettings(folder.read("ini.dat"), back));
    EXPECT_TRUE(back.outputFormat.equals(1));
  }
  // A file deleted while the window was open (or never there) is created: the choice is kept.
  for (const char* present : {"", "INI.DAT"}) {
    testing::TempFolder folder;
    if (*present) folder.write(present, "0\r\n");
    EXPECT_EQ(saveCsvFormatIn(folder), "");
    EXPECT_EQ(folder.read("ini.dat"), "1\r\n0\r\n");
  }
}

TEST(AppSettings, ASettingsFileThatCannotBeWrittenIsReported) {
  // A full disk, simulated by a file-size limit of 0 (root ignores folder permissions).
  testing::TempFolder folder;
  folder.write("ini.dat", "0\r\n");
  std::string message;
  {
    testing::FileSizeLimit full(0);
    message = saveCsvFormatIn(folder);
  }
  EXPECT_EQ(message, std::string(MissingFileMessage) + "\n設定ファイル「" + folder.file("ini.dat") +
                         "」を書き込めませんでした（ファイルが大きすぎます）。選んだ形式は保存されていません。");
  EXPECT_EQ(folder.read("ini.dat"), "0\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";
}

}  // namespace
}  // namespace ventorel
