// What went wrong, in the one shape every layer returns and carries upward: the
// data file it concerns and the line where reading stopped, what the user is
// told, and the system's error behind it. A data file's reader, a file's write
// and a whole run report their failures in it; an empty message is no problem.
#pragma once

#include <cerrno>
#include <string>
#include <utility>

#include "data/messages.h"

namespace ventorel {

struct Problem {
  std::string file;     // the data file's name, "gen1.dat"; empty for a problem its message tells whole
  int line = 0;         // the line (from 1) where reading stopped; 0 for the file as a whole
  std::string message;  // with a file: what is wrong with it; without: all the user is told
  int systemError = 0;  // the errno of the failed call behind it (a write); 0 for none

  // A problem told by its message alone.
  static Problem told(std::string message, int systemError = 0) { return {{}, 0, std::move(message), systemError}; }

  bool ok() const { return message.empty(); }
  // A full disk or quota: the files after it would fail too.
  bool outOfSpace() const { return systemError == ENOSPC || systemError == EDQUOT; }
  // "gen1.dat 230行目：<message>", or "gen1.dat：<message>" for the whole file;
  // the message alone without a file.
  std::string text() const { return file.empty() ? message : messages::dataFileProblem(file, line, message); }
};

// The name the library's callers know a data file's problem by.
using DataFileProblem = Problem;

}  // namespace ventorel
