// newmoon-table [FILE]: writes the new moons of 1901..2099 in JST as
// "year,month,day" lines (CR LF) to FILE, or to standard output.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "newmoon_table.h"

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && std::string(argv[1]).rfind("-", 0) == 0)) {
    std::cerr << "usage: newmoon-table [FILE]\n";
    return 2;
  }
  const std::string text = ventorel::tools::newMoonTableText(1901, 2099);
  if (argc == 1) {
    std::cout << text;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "newmoon-table: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
