// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Where the form's design lands in a window of a given size: scaled to fit,
// its aspect kept, and centred. Painters draw in twips through it.

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace arvan {

struct DesignPlacement {
  double scale = 1.0;  // pixels per twip
  QPointF origin;      // where the design's top left corner lies, in pixels

  [[nodiscard]] static DesignPlacement forWindow(QSizeF size);

  [[nodiscard]] QPointF toPixels(QPointF twips) const { return origin + twips * scale; }
  // The pixels a drawing of `twips` may touch, its antialiased edge included.
  [[nodiscard]] QRect toPixelRect(const QRectF& twips) const;
  // Twips to window pixels.
  [[nodiscard]] QTransform transform() const {
    return QTransform::fromTranslate(origin.x(), origin.y()).scale(scale, scale);
  }
  // Makes `painter` draw in twips, with these render hints.
  void setUp(QPainter& painter) const;
  static constexpr QPainter::RenderHints kRenderHints =
      QPainter::Antialiasing | QPainter::TextAntialiasing;
};

}  // namespace arvan
