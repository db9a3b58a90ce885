// ventorel-cli: the calendar of one or more years without the window.
//
// Each YEAR is one press of "カレンダー作成" with that text in the year box: the
// data files are read from the folder and the calendar file is written into it.

#include <malloc.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  ventorel::ignoreFileSizeSignal();
  // A batch builds files of a few hundred kilobytes year after year: freed memory
  // is kept for the next year instead of going back to the system and coming
  // back as fresh pages, which cost more than making the page itself.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
  std::vector<std::string> args(argv + 1, argv + argc);
  return ventorel::runCommandLine(args, std::cout, std::cerr);
}
