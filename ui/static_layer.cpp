#include "ui/static_layer.h"

#include <QPainter>

#include "ui/form_painter.h"
#include "ui/to_qt.h"

namespace arvan {

StaticLayer StaticLayer::paint(FormPainter& painter, const DesignPlacement& placement,
                               QSize windowSize, qreal ratio) {
  // The layer covers the keyboard's body only; the window around it is the
  // background colour.
  StaticLayer layer;
  layer.rect = placement.toPixelRect(painter.staticArea()) & QRect(QPoint(0, 0), windowSize);
  layer.windowSize = windowSize;
  layer.ratio = ratio;
  // Opaque, so that each frame copies it rather than blends it.
  layer.image = QImage(layer.rect.size() * ratio, QImage::Format_RGB32);
  layer.image.setDevicePixelRatio(ratio);
  layer.image.fill(toQColor(kBlue));
  QPainter p(&layer.image);
  p.translate(-layer.rect.topLeft());
  placement.setUp(p);
  painter.paintStaticLayer(p);
  return layer;
}

}  // namespace arvan
