// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/static_layer.h"

#include <QPainter>

#include "ui/form_painter.h"
#include "ui/to_qt.h"

namespace arvan {

void StaticLayer::paint(FormPainter& painter, const DesignPlacement& placement, QSize windowSize,
                        qreal ratio) {
  // The layer covers the keyboard's body only; the window around it is the
  // background colour.
  rect_ = placement.toPixelRect(painter.staticArea()) & QRect(QPoint(0, 0), windowSize);
  windowSize_ = windowSize;
  ratio_ = ratio;
  // Opaque, so that each frame copies it rather than blends it.
  image_ = QImage(rect_.size() * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(toQColor(kBlue));
  QPainter p(&image_);
  p.translate(-rect_.topLeft());
  placement.setUp(p);
  painter.paintStaticLayer(p);
}

void StaticLayer::copy(QPainter& painter, const QRegion& region) const {
  for (const QRect& r : region) {
    const QRect fromLayer = r & rect_;
    for (const QRect& around : QRegion(r).subtracted(fromLayer)) {
      painter.fillRect(around, toQColor(kBlue));
    }
    if (fromLayer.isEmpty()) continue;
    painter.drawImage(
        fromLayer, image_,
        QRectF((fromLayer.topLeft() - rect_.topLeft()) * ratio_, fromLayer.size() * ratio_));
  }
}

}  // namespace arvan
