// The window's drawing and printing area on Qt: a widget that fills its window
// and shows a persistent backing image. Everything drawn or printed goes into
// the image and stays there until clear() or a new background colour, so the
// window repaints from it at any time.
//
// Units are the window's logical pixels: the scale size is the window's inner
// size, the pen width is in pixels and font sizes are points at the screen's
// logical resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

#include "platform/surface.h"

namespace ventorel {

class QtSurface : public QWidget, public Surface {
 public:
  // `fontFamily` is the family every printed line uses; `window` is the widget the
  // surface fills (its "window": a top-level window, or a page of one).
  QtSurface(const QString& fontFamily, QWidget* window);
  // The surface lies in a page of a bigger window: asking for a window size only
  // fits the drawing to the page as it is, and never moves or resizes anything.
  void keepWindowGeometry() { geometryKept_ = true; }

  double screenWidth() const override;
  double screenHeight() const override;
  void setWindowGeometry(double left, double top, double width, double height) override;
  double scaleWidth() const override;
  double scaleHeight() const override;

  void clear() override;
  void setBackground(Rgb colour) override;
  void setPenWidth(int width) override { penWidth_ = width < 1 ? 1 : width; }
  void dot(double x, double y, Rgb colour) override;

  void setTextX(double x) override { textX_ = x; }
  void setTextY(double y) override { textY_ = y; }
  double textX() const override { return textX_; }
  double textY() const override { return textY_; }
  void setFontSize(double points) override;
  void setBold(bool bold) override;
  void setTextColour(Rgb colour) override;
  void printLine(const std::string& text) override;
  void printEmptyLine() override;

  // What the window shows, in logical pixels (for tests and screenshots).
  QImage picture() const;
  QColor background() const { return background_; }
  const QFont& font() const { return font_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Grows the backing image to cover the window's inner size; what is drawn
  // stays at its place and the new area gets the background colour.
  void ensureImage();
  // The height one printed line takes with the current font.
  double lineHeight() const;

  QWidget* host_;
  bool geometryKept_ = false;
  QImage image_;
  QColor background_{Qt::white};
  QColor textColour_{Qt::black};
  QFont font_;
  int penWidth_ = 1;
  double textX_ = 0;
  double textY_ = 0;
};

}  // namespace ventorel
