// A folder of the fuzz process's own, made on first use: on the RAM disk when
// there is one, so that the synced writes of a run cost little.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace ventorel::fuzzing {

inline std::string makeScratchFolder(const std::string& name) {
  for (const char* base : {"/dev/shm/", "/tmp/"}) {
    std::string pattern = base + name + "-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) return pattern;
  }
  std::abort();
}

}  // namespace ventorel::fuzzing
