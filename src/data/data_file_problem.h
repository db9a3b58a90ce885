// A data file of the program folder that could not be used, and why: every
// reader of a data file tells its damage in this one form.
#pragma once

#include <string>

#include "data/messages.h"

namespace ventorel {

struct DataFileProblem {
  std::string file;     // the file's name, "gen1.dat"
  int line = 0;         // the line (from 1) where reading stopped; 0 for the file as a whole
  std::string message;  // what is wrong
  // "gen1.dat 230行目：<message>", or "gen1.dat：<message>" for the whole file.
  std::string text() const { return messages::dataFileProblem(file, line, message); }
};

}  // namespace ventorel
