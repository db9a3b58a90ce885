#include "platform/surface.h"

#include <algorithm>

namespace ventorel {

Rgb Rgb::clamped() const {
  auto clamp = [](int c) { return std::clamp(c, 0, 255); };
  return {clamp(red), clamp(green), clamp(blue)};
}

double gridX(const Surface& surface, double gx) { return surface.scaleWidth() / GridWidth * gx; }
double gridY(const Surface& surface, double gy) { return surface.scaleHeight() / GridHeight * gy; }

void setTextGrid(Surface& surface, double gx, double gy) {
  surface.setTextX(gridX(surface, gx));
  surface.setTextY(gridY(surface, gy));
}

}  // namespace ventorel
