// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/design_placement.h"

#include <algorithm>

#include "form/form.h"
#include "ui/to_qt.h"

namespace arvan {

DesignPlacement DesignPlacement::forWindow(QSizeF size) {
  const QRectF design = toQRectF(kDesignArea);
  const double scale =
      std::max(1e-6, std::min(size.width() / design.width(), size.height() / design.height()));
  return {scale, QPointF((size.width() - design.width() * scale) / 2,
                         (size.height() - design.height() * scale) / 2)};
}

QRect DesignPlacement::toPixelRect(const QRectF& twips) const {
  const QRectF r(toPixels(twips.topLeft()), toPixels(twips.bottomRight()));
  return r.toAlignedRect().adjusted(-2, -2, 2, 2);
}

void DesignPlacement::setUp(QPainter& painter) const {
  painter.setRenderHints(kRenderHints);
  painter.setTransform(transform(), true);
}

}  // namespace arvan
