// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// What the learner sees of the window: the pixels that Qt left in the
// window's backing store after its own, partial repaints, read back without
// painting anything anew; and where a point of the design, in twips, lands
// on them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QScreen>
#include <array>
#include <cmath>
#include <string>

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

// What the window's backing store holds now, as Qt left it. On the offscreen
// platform a grab of the screen copies the backing store: it must paint
// nothing itself, or it would show what a fresh paint gives instead.
inline QImage backingStoreOf(const QWidget& window) {
  const PaintCounter counter;
  const QImage image =
      window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(counter.paints, 0) << "the grab painted the window anew";
  EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio());
  return image;
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
  // The colour of the pixel that covers a point, as 0xRRGGBB.
  [[nodiscard]] QRgb colourAt(QPointF pixel) const {
    const QPointF device = pixel * window_.devicePixelRatio();
    return image_.pixel(static_cast<int>(std::floor(device.x())),
                        static_cast<int>(std::floor(device.y()))) &
           0xFFFFFF;
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
