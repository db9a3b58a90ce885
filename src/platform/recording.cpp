#include "platform/recording.h"

#include "data/messages.h"

namespace ventorel {

void RecordingSurface::clear() {
  ++clears;
  lines.clear();
  dots.clear();
  x_ = 0;
  y_ = 0;
}

void RecordingSurface::printLine(const std::string& text) {
  PrintedLine line{x_, y_, fontSize, bold, textColour, text};
  lines.push_back(line);
  if (onPrint) onPrint(line);
  // One line's height in grid units: the point size in twips scaled to the grid.
  x_ = 0;
  y_ += fontSize * 20;
}

void RecordingMessageBox::show(const std::string& text) {
  texts.push_back(text);
  if (onShow) onShow(text);
}

bool RecordingLauncher::openInBrowser(const std::string& path, std::string& error) {
  if (browserFails) {
    error = messages::NoBrowser;
    return false;
  }
  browserPaths.push_back(path);
  return true;
}

}  // namespace ventorel
