// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// What the learner sees of the window: the pixels that Qt left in the
// window's backing store after its own, partial repaints, read back without
// painting anything anew, at any device pixel ratio; and where a point of
// the design, in twips, lands on them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QScreen>
#include <array>
#include <cmath>
#include <string>

#include "ui/device_pixels.h"
#include "ui/form_window.h"

namespace arvan::testing {

// Counts the paint events that any widget receives while it lives.
class PaintCounter : public QObject {
 public:
  PaintCounter() { QApplication::instance()->installEventFilter(this); }
  ~PaintCounter() override { QApplication::instance()->removeEventFilter(this); }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// What the window's backing store holds now, as Qt left it after its own,
// partial repaints, in device pixels: read without painting anything.
inline QImage backingStoreOf(const QWidget& window) {
  QBackingStore* store = window.backingStore();
  QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
  if (device == nullptr || device->devType() != QInternal::Image) {
    ADD_FAILURE() << "the window's backing store is not an image";
    return {};
  }
  QImage image = static_cast<const QImage*>(device)->convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1);
  EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio());
  return image;
}

// The device pixels that Qt repaints for a rectangle of the window.
inline QRect devicePixelsOf(const QWidget& window, const QRect& logical) {
  const QTransform toDevice =
      QTransform::fromScale(window.devicePixelRatio(), window.devicePixelRatio());
  return toDevicePixels(QRectF(logical), toDevice);
}

// What a fresh paint of the whole window shows over a rectangle of it (the
// whole window by default), in device pixels, painted where the window
// itself paints it: a paint that starts elsewhere at a fractional pixel
// ratio would blend its edges otherwise.
inline QImage freshPaint(QWidget& window, QRect logical = {}) {
  if (logical.isNull()) logical = window.rect();
  QImage image(window.size() * window.devicePixelRatio(), QImage::Format_RGB32);
  image.setDevicePixelRatio(window.devicePixelRatio());
  image.fill(Qt::black);
  window.render(&image, logical.topLeft(), QRegion(logical));
  image.setDevicePixelRatio(1);
  return image.copy(devicePixelsOf(window, logical));
}

// The window as the learner sees it: pending repaints run first, as they
// would before the next frame reaches the screen.
class SeenWindow {
 public:
  explicit SeenWindow(const FormWindow& window) : window_(window) {
    QCoreApplication::processEvents();
    image_ = backingStoreOf(window);
  }

  // Where a point of the design lies, in the window's pixels, moved by
  // `nudge` pixels.
  [[nodiscard]] QPointF pixelOf(QPointF twips, QPointF nudge = {}) const {
    return window_.toPixels(twips) + nudge;
  }
  [[nodiscard]] bool shows(QPointF pixel) const {
    return QRectF(QPointF(), QSizeF(window_.size())).contains(pixel);
  }
  // The colour of the device pixel that covers a point, as 0xRRGGBB.
  [[nodiscard]] QRgb colourAt(QPointF pixel) const {
    const QPointF device = pixel * window_.devicePixelRatio();
    return colourOfDevicePixel(
        {static_cast<int>(std::floor(device.x())), static_cast<int>(std::floor(device.y()))});
  }
  [[nodiscard]] QRgb colourOfDevicePixel(QPoint device) const {
    return image_.pixel(device) & 0xFFFFFF;
  }
  // The device pixels that lie wholly inside a rectangle of the design.
  [[nodiscard]] QRect devicePixelsInside(const Rect& twips) const {
    const double ratio = window_.devicePixelRatio();
    const QPointF from = pixelOf(QPointF(twips.left, twips.top)) * ratio;
    const QPointF to = pixelOf(QPointF(twips.right(), twips.bottom())) * ratio;
    return QRect(
        QPoint(static_cast<int>(std::ceil(from.x())), static_cast<int>(std::ceil(from.y()))),
        QPoint(static_cast<int>(std::floor(to.x())) - 1, static_cast<int>(std::floor(to.y())) - 1));
  }

 private:
  const FormWindow& window_;
  QImage image_;
};

inline std::string hex(QRgb rgb) { return QColor(rgb).name().toStdString(); }

inline std::string sizeName(QSize size) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// The sizes the window is looked at: the design at 15 twips to a pixel, and
// a wide screen that shows it larger, with blue margins left and right.
inline constexpr std::array<QSize, 2> kSeenSizes{QSize(1000, 689), QSize(1600, 900)};

}  // namespace arvan::testing
