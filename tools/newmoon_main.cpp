// newmoon-table [FILE]: writes the new moons of 1901..2099 in JST as
// "year,month,day" lines (CR LF) to FILE, or to standard output.
#include <iostream>
#include <string>

#include "newmoon_table.h"
#include "tool_files.h"

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && std::string(argv[1]).rfind("-", 0) == 0)) {
    std::cerr << "usage: newmoon-table [FILE]\n";
    return 2;
  }
  return ventorel::tools::writeToolOutput(ventorel::tools::newMoonTableText(1901, 2099), argc == 2 ? argv[1] : nullptr,
                                          "newmoon-table");
}
