// Hands a written calendar file to the program that shows it.
#pragma once

#include <string>

namespace ventorel {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Opens the page in the user's web browser. Returns false, with a reason, when
  // no browser could be started.
  virtual bool openInBrowser(const std::string& path, std::string& error) = 0;
  // Opens the CSV file in the program registered for it. Every failure is
  // ignored by the caller, so nothing is returned.
  virtual void openInSpreadsheet(const std::string& path) = 0;
};

// Starts `xdg-open path` detached from the calling program, without waiting for
// it; returns false with a reason when there is no xdg-open or no process could
// be started.
bool startXdgOpen(const std::string& path, std::string& error);

// The desktop launcher: xdg-open for both hand-offs.
class XdgLauncher : public Launcher {
 public:
  bool openInBrowser(const std::string& path, std::string& error) override;
  void openInSpreadsheet(const std::string& path) override;
};

}  // namespace ventorel
