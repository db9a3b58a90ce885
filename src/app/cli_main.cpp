// ventorel-cli: the calendar of one or more years without the window.
//
// Each YEAR is one press of "カレンダー作成" with that text in the year box: the
// data files are read from the folder and the calendar file is written into it.

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "platform/file_io.h"

namespace {

// A standard output or error closed by the caller (">&-") is held by a descriptor
// opened for reading only: writes to it fail, as they should, and no file the run
// opens can take its number and receive the text meant for the terminal.
void holdClosedStandardStreams() {
  for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1) continue;
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      ::dup2(held, fd);
      ::close(held);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  holdClosedStandardStreams();
  ventorel::ignoreFileSizeSignal();
  ventorel::removeTemporariesOnEndingSignals();
  // A batch builds files of a few hundred kilobytes year after year: freed memory
  // is kept for the next year instead of going back to the system and coming
  // back as fresh pages, which cost more than making the page itself.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
  std::vector<std::string> args(argv + 1, argv + argc);
  return ventorel::runCommandLine(args, std::cout, std::cerr);
}
