// The desktop hand-off on Qt: the written file is opened with the program the
// desktop has for it, without waiting for that program.
#pragma once

#include "platform/launcher.h"

namespace ventorel {

class QtLauncher : public Launcher {
 public:
  bool openInBrowser(const std::string& path, std::string& error) override;
  void openInSpreadsheet(const std::string& path) override;
};

}  // namespace ventorel
