// What a writer reports back to the run.
#pragma once

#include <string>

namespace ventorel {

struct WriteResult {
  enum class Status {
    Written,        // the file is complete and was handed on
    FileFailed,     // the file could not be written; the old one is intact
    BrowserFailed,  // the page is written, but no browser could be started
  };
  Status status = Status::Written;
  std::string path;
  std::string message;  // for the failures: what the user is told
};

}  // namespace ventorel
