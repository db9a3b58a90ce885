// ventorel-cli: the calendar of one or more years without the window.
//
// Each YEAR is one press of "カレンダー作成" with that text in the year box: the
// data files are read from the folder and the calendar file is written into it.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  ventorel::ignoreFileSizeSignal();
  std::vector<std::string> args(argv + 1, argv + argc);
  return ventorel::runCommandLine(args, std::cout, std::cerr);
}
