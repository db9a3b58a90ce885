// The desktop hand-off: xdg-open is started without waiting for it, and a
// machine without it is told so.
#include "platform/launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <thread>

#include "support/test_support.h"

namespace ventorel {
namespace {

// Sets PATH for one test and puts it back afterwards.
class PathFor {
 public:
  explicit PathFor(const std::string& path) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", path.c_str(), 1);
  }
  ~PathFor() { setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

TEST(Launcher, WithoutXdgOpenTheBrowserHandOffFailsWithAReason) {
  testing::TempFolder empty;
  PathFor path(empty.path());
  XdgLauncher launcher;
  std::string error;
  EXPECT_FALSE(launcher.openInBrowser("/tmp/x.htm", error));
  EXPECT_NE(error.find("xdg-open"), std::string::npos);
  launcher.openInSpreadsheet("/tmp/x.csv");  // ignored, and no crash
}

TEST(Launcher, XdgOpenGetsThePathAndIsNotWaitedFor) {
  testing::TempFolder bin;
  // A stand-in that takes its time and then records what it was given.
  bin.write("xdg-open", "#!/bin/sh\nsleep 1\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened\"\n");
  chmod(bin.file("xdg-open").c_str(), 0755);
  PathFor path(bin.path() + ":/usr/bin:/bin");
  XdgLauncher launcher;
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(launcher.openInBrowser("/tmp/ 2024年カレンダー.htm", error)) << error;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  for (int i = 0; i < 100 && bin.read("opened").empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(bin.read("opened"), "/tmp/ 2024年カレンダー.htm");
}

}  // namespace
}  // namespace ventorel
