// Recording implementations of the platform layer, used by the command line and
// the tests: they keep what the run asked for instead of showing it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/surface.h"

namespace ventorel {

// A surface whose units are the design grid itself (12000 x 8600), so printed
// positions read directly as grid coordinates.
class RecordingSurface : public Surface {
 public:
  struct PrintedLine {
    double x;
    double y;
    double fontSize;
    bool bold;
    Rgb colour;
    std::string text;
  };
  struct Dot {
    double x;
    double y;
    int penWidth;
    Rgb colour;
  };

  double screenWidth() const override { return GridWidth; }
  double screenHeight() const override { return GridHeight; }
  void setWindowGeometry(double, double, double, double) override {}
  double scaleWidth() const override { return GridWidth; }
  double scaleHeight() const override { return GridHeight; }

  void clear() override;
  void setBackground(Rgb colour) override { background = colour.clamped(); }
  void setPenWidth(int width) override { penWidth = width; }
  void dot(double x, double y, Rgb colour) override { dots.push_back({x, y, penWidth, colour.clamped()}); }

  void setTextX(double x) override { x_ = x; }
  void setTextY(double y) override { y_ = y; }
  double textX() const override { return x_; }
  double textY() const override { return y_; }
  void setFontSize(double points) override { fontSize = points; }
  void setBold(bool b) override { bold = b; }
  void setTextColour(Rgb colour) override { textColour = colour.clamped(); }
  void printLine(const std::string& text) override;
  void printEmptyLine() override { printLine(""); }

  // Called for every printed line as it is printed (the command line's transcript).
  std::function<void(const PrintedLine&)> onPrint;

  std::vector<PrintedLine> lines;
  std::vector<Dot> dots;
  int clears = 0;
  Rgb background;
  int penWidth = 1;
  double fontSize = 9;
  bool bold = false;
  Rgb textColour;

 private:
  double x_ = 0;
  double y_ = 0;
};

class RecordingMessageBox : public MessageBox {
 public:
  void show(const std::string& text) override;
  std::function<void(const std::string&)> onShow;
  std::vector<std::string> texts;
};

class RecordingLauncher : public Launcher {
 public:
  bool openInBrowser(const std::string& path, std::string& error) override;
  void openInSpreadsheet(const std::string& path) override { spreadsheetPaths.push_back(path); }

  bool browserFails = false;  // to test a browser that cannot be started
  std::vector<std::string> browserPaths;
  std::vector<std::string> spreadsheetPaths;
};

}  // namespace ventorel
