#include "platform/launcher.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/messages.h"

namespace ventorel {

namespace {

// The first executable `name` on the PATH, or "" when there is none.
std::string findOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/local/bin:/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace

bool startXdgOpen(const std::string& path, std::string& error) {
  const std::string program = findOnPath("xdg-open");
  if (program.empty()) {
    error = messages::NoXdgOpen;
    return false;
  }
  // The program does not wait for the browser or the spreadsheet: xdg-open is
  // started by a short-lived child, so it belongs to no one once the child ends
  // and leaves no zombie behind.
  const pid_t child = ::fork();
  if (child < 0) {
    error = messages::xdgOpenNotStarted(messages::systemError(errno));
    return false;
  }
  if (child == 0) {
    ::setsid();
    if (::fork() == 0) {
      const int null = ::open("/dev/null", O_RDWR);
      if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
      }
      ::execl(program.c_str(), "xdg-open", path.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::_exit(0);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

bool XdgLauncher::openInBrowser(const std::string& path, std::string& error) { return startXdgOpen(path, error); }

void XdgLauncher::openInSpreadsheet(const std::string& path) {
  std::string ignored;
  startXdgOpen(path, ignored);
}

}  // namespace ventorel
