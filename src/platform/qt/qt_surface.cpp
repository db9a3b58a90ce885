#include "platform/qt/qt_surface.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace ventorel {

namespace {

QColor toColour(Rgb colour) {
  const Rgb c = colour.clamped();
  return QColor(c.red, c.green, c.blue);
}

QScreen* screenOf(const QWidget& widget) {
  QScreen* screen = widget.screen();
  return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QtSurface::QtSurface(const QString& fontFamily, QWidget* window) : QWidget(window), host_(window) {
  setObjectName("surface");
  // The widget paints every pixel from the image: no erase before painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  font_.setFamily(fontFamily);
  font_.setPointSizeF(9);
  font_.setBold(false);
}

double QtSurface::screenWidth() const {
  const QScreen* screen = screenOf(*this);
  return screen ? screen->availableGeometry().width() : 0;
}

double QtSurface::screenHeight() const {
  const QScreen* screen = screenOf(*this);
  return screen ? screen->availableGeometry().height() : 0;
}

void QtSurface::setWindowGeometry(double left, double top, double width, double height) {
  QWidget* w = host_;
  if (geometryKept_) {
    ensureImage();
    return;
  }
  // The size asked for is the window's outer size; the frame (known once the
  // window is shown) is taken off to get the inner size.
  const QRect frame = w->frameGeometry();
  const QRect inner = w->geometry();
  const int marginLeft = inner.left() - frame.left();
  const int marginTop = inner.top() - frame.top();
  const int marginsWide = frame.width() - inner.width();
  const int marginsHigh = frame.height() - inner.height();
  const QScreen* screen = screenOf(*this);
  const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
  const int innerWidth = std::max(1, static_cast<int>(std::lround(width)) - marginsWide);
  const int innerHeight = std::max(1, static_cast<int>(std::lround(height)) - marginsHigh);
  w->setGeometry(origin.x() + static_cast<int>(std::lround(left)) + marginLeft,
                 origin.y() + static_cast<int>(std::lround(top)) + marginTop, innerWidth, innerHeight);
  if (w != this) setGeometry(0, 0, innerWidth, innerHeight);
  ensureImage();
}

double QtSurface::scaleWidth() const { return host_->width(); }
double QtSurface::scaleHeight() const { return host_->height(); }

void QtSurface::ensureImage() {
  const int width = std::max(1, host_->width());
  const int height = std::max(1, host_->height());
  const qreal ratio = devicePixelRatioF();
  if (!image_.isNull() && image_.devicePixelRatio() == ratio && image_.width() >= std::lround(width * ratio) &&
      image_.height() >= std::lround(height * ratio))
    return;
  const int newWidth = std::max(static_cast<int>(std::lround(width * ratio)), image_.isNull() ? 0 : image_.width());
  const int newHeight = std::max(static_cast<int>(std::lround(height * ratio)), image_.isNull() ? 0 : image_.height());
  QImage grown(newWidth, newHeight, QImage::Format_RGB32);
  grown.setDevicePixelRatio(ratio);
  // Point sizes are taken at the screen's logical resolution.
  const QScreen* screen = screenOf(*this);
  const double dpi = screen ? screen->logicalDotsPerInch() : 96;
  grown.setDotsPerMeterX(static_cast<int>(std::lround(dpi * ratio / 0.0254)));
  grown.setDotsPerMeterY(static_cast<int>(std::lround(dpi * ratio / 0.0254)));
  grown.fill(background_);
  if (!image_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(QPointF(0, 0), image_);
  }
  image_ = grown;
}

void QtSurface::clear() {
  ensureImage();
  image_.fill(background_);
  textX_ = 0;
  textY_ = 0;
  update();
}

void QtSurface::setBackground(Rgb colour) {
  // A new background colour erases the drawing, as clearing does.
  background_ = toColour(colour);
  clear();
}

void QtSurface::dot(double x, double y, Rgb colour) {
  ensureImage();
  QPainter painter(&image_);
  painter.setPen(Qt::NoPen);
  painter.setBrush(toColour(colour));
  if (penWidth_ <= 1) {
    painter.drawRect(QRectF(std::floor(x), std::floor(y), 1, 1));
  } else {
    const double radius = penWidth_ / 2.0;
    painter.drawEllipse(QPointF(x, y), radius, radius);
  }
  update();
}

void QtSurface::setFontSize(double points) {
  if (points > 0) font_.setPointSizeF(points);
}

void QtSurface::setBold(bool bold) { font_.setBold(bold); }

void QtSurface::setTextColour(Rgb colour) { textColour_ = toColour(colour); }

double QtSurface::lineHeight() const { return QFontMetricsF(font_, &image_).lineSpacing(); }

void QtSurface::printLine(const std::string& text) {
  ensureImage();
  {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    painter.setPen(textColour_);
    // The text position is the top left of the line.
    const double ascent = QFontMetricsF(font_, &image_).ascent();
    painter.drawText(QPointF(textX_, textY_ + ascent), QString::fromStdString(text));
  }
  textX_ = 0;
  textY_ += lineHeight();
  update();
}

void QtSurface::printEmptyLine() {
  ensureImage();
  textX_ = 0;
  textY_ += lineHeight();
}

QImage QtSurface::picture() const {
  const qreal ratio = image_.devicePixelRatio();
  return image_.copy(0, 0, static_cast<int>(std::lround(scaleWidth() * ratio)),
                     static_cast<int>(std::lround(scaleHeight() * ratio)));
}

void QtSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), background_);
  if (!image_.isNull()) painter.drawImage(QPointF(0, 0), image_);
}

void QtSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ensureImage();
}

}  // namespace ventorel
