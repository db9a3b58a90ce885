// Replacing a file: what happens to the old file, its permissions and its links.
#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "data/messages.h"
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
       "アクセスが許可されていません", "f", 0044, {}},
      {"relative link into a subfolder",
       [](const TempFolder& d) { fs::create_directory(d.file("sub")); d.write("sub/t", "old"); fs::create_symlink("sub/t", d.file("f")); },
       "", "sub/t", fresh, {"f"}},
      {"absolute link to a link",
       [](const TempFolder& d) { d.write("t", "old"); fs::create_symlink("t", d.file("l")); fs::create_symlink(d.file("l"), d.file("f")); },
       "", "t", fresh, {"f", "l"}},
      {"dangling link", [](const TempFolder& d) { fs::create_symlink("t", d.file("f")); }, "", "t", fresh, {"f"}},
      {"link to a read-only file",
       [](const TempFolder& d) { d.write("t", "old"); fs::permissions(d.file("t"), fs::perms(0444)); fs::create_symlink("t", d.file("f")); },
       "アクセスが許可されていません", "t", 0444, {"f"}},
      {"link loop", [](const TempFolder& d) { fs::create_symlink("f", d.file("f")); },
       "シンボリックリンクが多すぎるか、輪になっています", nullptr, 0, {"f"}},
  };
  // Each case at once, through a batch and streamed: the same checks, the same result.
  for (const char* way : {"at once", "batch", "streamed"})
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + " (" + way + ")");
    TempFolder folder;
    c.prepare(folder);
    std::string error;
    if (way == std::string("batch")) {
      FileBatch batch;
      EXPECT_EQ(batch.stage(folder.file("f"), "new", error), !*c.error);
      EXPECT_TRUE(batch.commit().empty());
    } else if (way == std::string("streamed")) {
      StreamedFile file;
      const bool opened = file.open(folder.file("f"), false, error);
      EXPECT_EQ(opened, !*c.error);
      if (opened) {
        EXPECT_TRUE(file.append("ne", error) && file.append("w", error) && file.commit(error)) << error;
      }
    } else {
      EXPECT_EQ(writeFileAtomically(folder.file("f"), "new", error), !*c.error);
    }
    EXPECT_EQ(error, c.error);
    if (c.real) {
      EXPECT_EQ(folder.read(c.real), *c.error ? "old" : "new");
      EXPECT_EQ(modeOf(folder.file(c.real)), c.mode);
    }
    for (const char* link : c.links) EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link;
    EXPECT_FALSE(anyTemporaryFile(folder.path()));
  }
}

// What a batch leaves behind when it ends at each point: its files are old or
// complete, never empty or mixed, and its temporary files go.
TEST(FileIo, ABatchLeavesEachFileOldOrNew) {
  enum class End { Committed, Abandoned, Killed, RenameFails };
  struct Case {
    const char* what;
    End end;
    const char* a;  // the files afterwards
    const char* b;
    bool temporaryLeft;
  };
  for (const Case& c : {Case{"committed", End::Committed, "new a", "new b", false},
                        {"destroyed before its commit", End::Abandoned, "old a", "old b", false},
                        {"killed before its commit", End::Killed, "old a", "old b", true},
                        {"b cannot be renamed over", End::RenameFails, "new a", nullptr, false}}) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    folder.write("a", "old a");
    folder.write("b", "old b");
    std::string error;
    std::vector<FileBatch::Failure> failures;
    if (c.end == End::Killed) {
      const pid_t child = fork();
      if (child == 0) {
        FileBatch batch;
        const bool staged = batch.stage(folder.file("a"), "new a", error) && batch.stage(folder.file("b"), "new b", error);
        ::_exit(staged ? 0 : 1);  // no destructor runs, as after kill -9
      }
      int status = -1;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_EQ(status, 0);
    } else {
      FileBatch batch;
      ASSERT_TRUE(batch.stage(folder.file("a"), "new a", error));
      ASSERT_TRUE(batch.stage(folder.file("b"), "new b", error));
      EXPECT_EQ(folder.read("a"), "old a");
      if (c.end == End::RenameFails) {
        fs::remove(folder.file("b"));
        fs::create_directory(folder.file("b"));
      }
      if (c.end != End::Abandoned) failures = batch.commit();
    }
    EXPECT_EQ(folder.read("a"), c.a);
    if (c.b) {
      EXPECT_EQ(folder.read("b"), c.b);
    }
    EXPECT_EQ(failures.size(), c.end == End::RenameFails ? 1u : 0u);
    if (!failures.empty()) {
      EXPECT_EQ(failures[0].path, folder.file("b"));
    }
    EXPECT_EQ(anyTemporaryFile(folder.path()), c.temporaryLeft);
    if (c.temporaryLeft) {
      // A later write of a file removes its leftovers once they are a minute old
      // and their run has ended; those of other names stay.
      for (const auto& entry : fs::directory_iterator(folder.path()))
        fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
      EXPECT_TRUE(writeFileAtomically(folder.file("c"), "c", error)) << error;
      EXPECT_TRUE(anyTemporaryFile(folder.path()));
      EXPECT_TRUE(writeFileAtomically(folder.file("a"), "a", error)) << error;
      EXPECT_TRUE(writeFileAtomically(folder.file("b"), "b", error)) << error;
      EXPECT_FALSE(anyTemporaryFile(folder.path()));
    }
  }
}

// A file that already holds the batch's bytes stays the same file; a read-only
// one is still refused, as it would be if the bytes differed.
TEST(FileIo, ABatchLeavesAFileThatHoldsItsBytes) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "writable");
    TempFolder folder;
    folder.write("a", "same");
    if (readOnly) fs::permissions(folder.file("a"), fs::perms(0444));
    struct stat before {};
    ASSERT_EQ(::stat(folder.file("a").c_str(), &before), 0);
    FileBatch batch;
    std::string error;
    EXPECT_EQ(batch.stage(folder.file("a"), "same", error), !readOnly) << error;
    EXPECT_FALSE(anyTemporaryFile(folder.path()));
    EXPECT_TRUE(batch.commit().empty());
    struct stat after {};
    ASSERT_EQ(::stat(folder.file("a").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(folder.read("a"), "same");
  }
}

// A streamed file replaces the old one only when committed whole; on a failure
// (a full disk halfway) it takes no more bytes and its temporary file goes. A
// file that already holds the bytes stays the same file when asked to.
TEST(FileIo, AStreamedFileLeavesTheOldFileUntilItsCommit) {
  enum class End { Committed, Abandoned, DiskFull, RenameFails };
  struct Case {
    const char* what;
    End end;
    const char* old;
    bool keepSame;
    const char* after;  // the file afterwards (nullptr: a folder took its place)
    bool sameFile;      // the old file's inode stays
    const char* error;
  };
  for (const Case& c : {Case{"committed", End::Committed, "old", false, "new bytes", false, ""},
                        {"destroyed before its commit", End::Abandoned, "old", false, "old", true, ""},
                        {"disk full halfway", End::DiskFull, "old", false, "old", true, "ファイルが大きすぎます"},
                        {"cannot be renamed over", End::RenameFails, "old", false, nullptr, false, "フォルダーです"},
                        {"same bytes kept", End::Committed, "new bytes", true, "new bytes", true, ""},
                        {"old file longer", End::Committed, "new bytes and more", true, "new bytes", false, ""},
                        {"same bytes, not asked to keep", End::Committed, "new bytes", false, "new bytes", false, ""}}) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    folder.write("f", c.old);
    struct stat before {};
    ASSERT_EQ(::stat(folder.file("f").c_str(), &before), 0);
    std::string error;
    bool ok = true;
    {
      StreamedFile file;
      ASSERT_TRUE(file.open(folder.file("f"), c.keepSame, error)) << error;
      if (c.end == End::DiskFull) {
        const testing::FileSizeLimit limit(4);
        EXPECT_FALSE(file.append("new bytes", error));
        EXPECT_EQ(error, c.error);
        error.clear();
        EXPECT_FALSE(file.append("more", error));  // no more bytes, and no second report
        EXPECT_FALSE(file.commit(error));
        EXPECT_EQ(error, "");
      } else {
        ASSERT_TRUE(file.append("new ", error) && file.append("bytes", error)) << error;
        if (c.end == End::RenameFails) {
          fs::remove(folder.file("f"));
          fs::create_directory(folder.file("f"));
        }
        if (c.end != End::Abandoned) ok = file.commit(error);
        EXPECT_EQ(ok, !*c.error);
        EXPECT_EQ(error, c.error);
      }
    }
    if (c.after) {
      EXPECT_EQ(folder.read("f"), c.after);
      struct stat after {};
      ASSERT_EQ(::stat(folder.file("f").c_str(), &after), 0);
      EXPECT_EQ(after.st_ino == before.st_ino, c.sameFile);
    }
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
    AppSettings settings;
    settings.outputFormat = Value(1.0);
    std::string message;
    EXPECT_EQ(saveSettings(folder.path(), settings, message), linked);
    EXPECT_EQ(fs::is_symlink(folder.file("ini.dat")), linked);
    EXPECT_EQ(folder.read("ini.dat"), linked ? "1\r\n0\r\n" : "0\r\n");
  }
}

// A window or a batch sweeps a folder of the temporary files that ended runs left
// once: later writes with the same list do not read the folder again.
TEST(FileIo, StaleTemporaryFilesAreSweptOncePerFolderAndList) {
  const TempFolder d;
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  auto plant = [&](const std::string& letters) {
    const std::string path = d.file("f.part-" + std::to_string(ended) + "-" + letters);
    d.write(fs::path(path).filename().string(), "x");
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    return path;
  };
  SweptFolders swept;
  std::string error;
  const std::string first = plant("aaaaaa");
  ASSERT_TRUE(writeFileAtomically(d.file("f"), "1", error, &swept)) << error;
  EXPECT_FALSE(fs::exists(first));
  const std::string second = plant("bbbbbb");
  ASSERT_TRUE(writeFileAtomically(d.file("f"), "2", error, &swept)) << error;
  EXPECT_TRUE(fs::exists(second));
  ASSERT_TRUE(writeFileAtomically(d.file("f"), "3", error)) << error;
  EXPECT_FALSE(fs::exists(second));
}

// The system's errors a user meets are told in short Japanese; any other by its number.
TEST(FileIo, SystemErrorsAreToldInJapanese) {
  const std::pair<int, const char*> cases[] = {
      {ENOSPC, "ディスクがいっぱいです"}, {EDQUOT, "ディスクの割り当てを使い切りました"},
      {EROFS, "読み出し専用のファイルシステムです"}, {EXDEV, "別のファイルシステムへは移せません"},
      {0, "原因はわかりません"}, {EHWPOISON, "エラー番号 133"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(messages::systemError(code), text) << code;
}

}  // namespace
}  // namespace ventorel
