// Replacing a file: what happens to the old file, its permissions and its links.
#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "support/test_support.h"

namespace ventorel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

mode_t modeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

bool anyTemporaryFile(const std::string& folder) {
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.path().filename().string().find(".part-") != std::string::npos) return true;
  return false;
}

TEST(FileIo, ReplacingKeepsReadOnlyFilesPermissionsAndLinks) {
  struct Case {
    const char* what;
    std::function<void(const TempFolder&)> prepare;  // lays out "f" (and what it links to)
    const char* error;                               // "" when the write succeeds
    const char* real;                                // the file that holds the bytes afterwards
    mode_t mode;
    std::vector<const char*> links;                  // paths that must still be symlinks
  };
  const mode_t fresh = [] { const mode_t m = ::umask(0); ::umask(m); return 0666 & ~m; }();
  const std::vector<Case> cases{
      {"no file yet", [](const TempFolder&) {}, "", "f", fresh, {}},
      {"owner may not write", [](const TempFolder& d) { d.write("f", "old"); fs::permissions(d.file("f"), fs::perms(0044)); },
       "Permission denied", "f", 0044, {}},
      {"relative link into a subfolder",
       [](const TempFolder& d) { fs::create_directory(d.file("sub")); d.write("sub/t", "old"); fs::create_symlink("sub/t", d.file("f")); },
       "", "sub/t", fresh, {"f"}},
      {"absolute link to a link",
       [](const TempFolder& d) { d.write("t", "old"); fs::create_symlink("t", d.file("l")); fs::create_symlink(d.file("l"), d.file("f")); },
       "", "t", fresh, {"f", "l"}},
      {"dangling link", [](const TempFolder& d) { fs::create_symlink("t", d.file("f")); }, "", "t", fresh, {"f"}},
      {"link to a read-only file",
       [](const TempFolder& d) { d.write("t", "old"); fs::permissions(d.file("t"), fs::perms(0444)); fs::create_symlink("t", d.file("f")); },
       "Permission denied", "t", 0444, {"f"}},
      {"link loop", [](const TempFolder& d) { fs::create_symlink("f", d.file("f")); },
       "Too many levels of symbolic links", nullptr, 0, {"f"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    c.prepare(folder);
    std::string error;
    EXPECT_EQ(writeFileAtomically(folder.file("f"), "new", error), !*c.error);
    EXPECT_EQ(error, c.error);
    if (c.real) {
      EXPECT_EQ(folder.read(c.real), *c.error ? "old" : "new");
      EXPECT_EQ(modeOf(folder.file(c.real)), c.mode);
    }
    for (const char* link : c.links) EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link;
    EXPECT_FALSE(anyTemporaryFile(folder.path()));
  }
}

TEST(FileIo, ClosingTheWindowSavesThroughALinkedSettingsFileAndKeepsAReadOnlyOne) {
  for (const bool linked : {true, false}) {
    SCOPED_TRACE(linked ? "linked" : "read-only");
    TempFolder folder;
    folder.write("saved.dat", "0\r\n");
    if (linked) {
      fs::create_symlink("saved.dat", folder.file("ini.dat"));
    } else {
      fs::rename(folder.file("saved.dat"), folder.file("ini.dat"));
      fs::permissions(folder.file("ini.dat"), fs::perms(0444));
    }
    EXPECT_EQ(saveSettings(folder.path(), Value(1.0), false), linked);
    EXPECT_EQ(fs::is_symlink(folder.file("ini.dat")), linked);
    EXPECT_EQ(folder.read("ini.dat"), linked ? "1\r\n0\r\n" : "0\r\n");
  }
}

}  // namespace
}  // namespace ventorel
