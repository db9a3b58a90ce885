// datafile-cp932 SOURCE TARGET: writes the UTF-8 data source SOURCE as the
// shipped CP932 file TARGET with CR LF line ends.
#include <iostream>

#include "datafile_encoding.h"
#include "tool_files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: datafile-cp932 SOURCE TARGET\n";
    return 2;
  }
  const auto source = ventorel::tools::readFileBytes(argv[1]);
  if (!source) {
    std::cerr << "datafile-cp932: cannot read " << argv[1] << "\n";
    return 1;
  }
  const auto bytes = ventorel::tools::shippedDataFileBytes(*source);
  if (!bytes) {
    std::cerr << "datafile-cp932: " << argv[1] << " is not UTF-8 or holds a character CP932 lacks\n";
    return 1;
  }
  return ventorel::tools::writeToolOutput(*bytes, argv[2], "datafile-cp932");
}
