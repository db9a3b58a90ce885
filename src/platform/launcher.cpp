#include "platform/launcher.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ventorel {

bool startXdgOpen(const std::string& path, std::string& error) {
  // A double fork would need more code; xdg-open itself returns quickly after it
  // has handed the file on, so waiting for it keeps no zombie and does not block
  // the window for long.
  pid_t pid = 0;
  std::string program = "xdg-open";
  char* argv[] = {program.data(), const_cast<char*>(path.c_str()), nullptr};
  const int rc = posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ);
  if (rc != 0) {
    error = std::string("xdg-open could not be started: ") + std::strerror(rc);
    return false;
  }
  int status = 0;
  if (waitpid(pid, &status, 0) < 0) {
    error = std::string("xdg-open: ") + std::strerror(errno);
    return false;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = "xdg-open found no program to open the file (exit status " +
            std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
    return false;
  }
  return true;
}

bool XdgLauncher::openInBrowser(const std::string& path, std::string& error) { return startXdgOpen(path, error); }

void XdgLauncher::openInSpreadsheet(const std::string& path) {
  std::string ignored;
  startXdgOpen(path, ignored);
}

}  // namespace ventorel
