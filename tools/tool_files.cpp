#include "tool_files.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace ventorel::tools {

std::optional<std::string> readFileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int writeToolOutput(const std::string& text, const char* path, const char* tool) {
  if (!path) {
    std::cout << text;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << tool << ": cannot write " << path << "\n";
    return 1;
  }
  return 0;
}

}  // namespace ventorel::tools
