// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Painting in the device's own pixels. At a fractional device pixel ratio
// (125 %, 150 %) a logical pixel's edge may fall inside a device pixel; a
// fill or a copy that ends there leaves that pixel part old, part new: a
// seam. Fills and copies of whole device pixels leave none.

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTransform>
#include <algorithm>

namespace arvan {

// The device pixels that Qt gives a logical rectangle: its corners rounded,
// as Qt rounds the region that a paint event repaints.
[[nodiscard]] inline QRect toDevicePixels(const QRectF& r, const QTransform& toDevice) {
  const QPointF topLeft = toDevice.map(r.topLeft());
  const QPointF bottomRight = toDevice.map(r.bottomRight());
  return QRect(topLeft.toPoint(), bottomRight.toPoint() - QPoint(1, 1));
}

// While it lives, `painter` draws in device pixels, with no antialiasing:
// a whole-pixel rectangle is filled or copied exactly.
class DevicePixels {
 public:
  explicit DevicePixels(QPainter& painter) : painter_(painter) {
    painter.save();
    painter.resetTransform();
    // What remains maps to the device: the pixel ratio, and where a widget
    // lies on the window's pixels.
    painter.setTransform(painter.deviceTransform().inverted());
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  ~DevicePixels() { painter_.restore(); }
  DevicePixels(const DevicePixels&) = delete;
  DevicePixels& operator=(const DevicePixels&) = delete;

 private:
  QPainter& painter_;
};

// Qt's raster engine hands a blend or a fill of 96 rows or more, under a
// clip of several rectangles, to its thread pool, and waking those threads
// costs a key more than the work itself. Tall images and fills go in bands
// of fewer rows.
inline constexpr int kBandRows = 64;

// Draws `image` with its top left corner at `topLeft`, on a painter in
// device pixels.
inline void drawImageInBands(QPainter& painter, QPoint topLeft, const QImage& image) {
  for (int top = 0; top < image.height(); top += kBandRows) {
    const QRect band(0, top, image.width(), std::min(kBandRows, image.height() - top));
    painter.drawImage(QRect(topLeft + band.topLeft(), band.size()), image, band);
  }
}

// Fills `rect` on a painter in device pixels.
inline void fillInBands(QPainter& painter, const QRect& rect, const QColor& colour) {
  for (int top = rect.top(); top <= rect.bottom(); top += kBandRows) {
    painter.fillRect(
        QRect(rect.left(), top, rect.width(), std::min(kBandRows, rect.bottom() + 1 - top)),
        colour);
  }
}

}  // namespace arvan
