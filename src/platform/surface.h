// The window's drawing and printing area, as the calendar run uses it.
//
// Positions are in the surface's own units; scaleWidth() x scaleHeight() is its
// inner size, and the run places everything on a 12000 x 8600 design grid scaled
// to it (see gridX/gridY). What is drawn stays until clear().
#pragma once

#include <string>

namespace ventorel {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  // Components are given 0..256; 256 (and anything above 255) is drawn as 255.
  Rgb clamped() const;
  bool operator==(const Rgb&) const = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual double screenWidth() const = 0;
  virtual double screenHeight() const = 0;
  // Size the window and place its left/top edge (the run makes it the screen's size).
  virtual void setWindowGeometry(double left, double top, double width, double height) = 0;
  virtual double scaleWidth() const = 0;
  virtual double scaleHeight() const = 0;

  virtual void clear() = 0;
  virtual void setBackground(Rgb colour) = 0;
  virtual void setPenWidth(int width) = 0;
  // A round dot of the pen width centred at (x, y).
  virtual void dot(double x, double y, Rgb colour) = 0;

  virtual void setTextX(double x) = 0;
  virtual void setTextY(double y) = 0;
  virtual double textX() const = 0;
  virtual double textY() const = 0;
  virtual void setFontSize(double points) = 0;
  virtual void setBold(bool bold) = 0;
  virtual void setTextColour(Rgb colour) = 0;
  // Prints one line at the text position; the next line starts below it at the left edge.
  virtual void printLine(const std::string& text) = 0;
  // Moves the text position to the start of the next line.
  virtual void printEmptyLine() = 0;
};

// Design-grid helpers: grid point (gx, gy) lies at scaleWidth / 12000 * gx,
// scaleHeight / 8600 * gy.
inline constexpr double GridWidth = 12000;
inline constexpr double GridHeight = 8600;
double gridX(const Surface& surface, double gx);
double gridY(const Surface& surface, double gy);
void setTextGrid(Surface& surface, double gx, double gy);

}  // namespace ventorel
