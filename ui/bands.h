// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Qt's raster engine hands a blend or a fill of 96 rows or more, under a
// clip of several rectangles, to its thread pool, and waking those threads
// costs a key more than the work itself. Tall images and fills go in bands
// of fewer rows.

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <algorithm>

namespace arvan {

inline constexpr int kBandRows = 64;  // device pixels

// Draws `image` with its top left corner at `topLeft`, in device pixels, on
// a painter with no transform.
inline void drawImageInBands(QPainter& painter, QPoint topLeft, const QImage& image) {
  const qreal ratio = painter.device()->devicePixelRatioF();
  for (int top = 0; top < image.height(); top += kBandRows) {
    const QRect band(0, top, image.width(), std::min(kBandRows, image.height() - top));
    painter.drawImage(
        QRectF(QPointF(topLeft + band.topLeft()) / ratio, QSizeF(band.size()) / ratio), image,
        QRectF(band));
  }
}

// Fills `rect`, in the painter's pixels, on a painter with no transform.
inline void fillInBands(QPainter& painter, const QRect& rect, const QColor& colour) {
  const int rows = std::max(1, static_cast<int>(kBandRows / painter.device()->devicePixelRatioF()));
  for (int top = rect.top(); top <= rect.bottom(); top += rows) {
    painter.fillRect(QRect(rect.left(), top, rect.width(), std::min(rows, rect.bottom() + 1 - top)),
                     colour);
  }
}

}  // namespace arvan
