#pragma once

// The keyboard's body and its decorative keys never change: they are painted
// once per window size into a layer, which each frame then only copies.

#include <QImage>
#include <QRect>
#include <QSize>

#include "ui/design_placement.h"

namespace arvan {

class FormPainter;

struct StaticLayer {
  QImage image;  // in device pixels
  QRect rect;    // where the layer lies in the window
  QSize windowSize;
  qreal ratio = 0;

  [[nodiscard]] static StaticLayer paint(FormPainter& painter, const DesignPlacement& placement,
                                         QSize windowSize, qreal ratio);
  [[nodiscard]] bool isFor(QSize size, qreal devicePixelRatio) const {
    return !image.isNull() && windowSize == size && ratio == devicePixelRatio;
  }
};

}  // namespace arvan
