// datafile-cp932 SOURCE TARGET: writes the UTF-8 data source SOURCE as the
// shipped CP932 file TARGET with CR LF line ends.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "datafile_encoding.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: datafile-cp932 SOURCE TARGET\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "datafile-cp932: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream source;
  source << in.rdbuf();
  const auto bytes = ventorel::tools::shippedDataFileBytes(source.str());
  if (!bytes) {
    std::cerr << "datafile-cp932: " << argv[1] << " is not UTF-8 or holds a character CP932 lacks\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << *bytes;
  out.close();
  if (!out) {
    std::cerr << "datafile-cp932: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
