#include "ui/shape_sprites.h"

#include <QPainter>
#include <cmath>

namespace arvan {
namespace {

// Room around a sprite for the antialiased edge.
constexpr int kMargin = 2;
// Larger shapes (the keyboard's panels, the frame of the typing box) are
// drawn once or seldom: keeping a copy would only cost memory.
constexpr double kLargestSpritePixels = 256.0 * 256.0;

}  // namespace

size_t qHash(const ShapeSprites::Look& look, size_t seed) {
  return qHashMulti(seed, static_cast<int>(look.form), look.width, look.height, look.back,
                    look.border, look.opaque, look.borderStyle, look.borderWidth);
}

void ShapeSprites::draw(QPainter& painter, const Control& c, const QRectF& drawn,
                        const std::function<void(QPainter&)>& paint) {
  const QTransform& toDevice = painter.transform();
  const qreal ratio = painter.device()->devicePixelRatioF();
  const double scale = toDevice.m11() * ratio;
  const QSize size(static_cast<int>(std::ceil(drawn.width() * scale)) + 2 * kMargin,
                   static_cast<int>(std::ceil(drawn.height() * scale)) + 2 * kMargin);
  if (toDevice.type() > QTransform::TxScale ||
      double(size.width()) * size.height() > kLargestSpritePixels) {
    paint(painter);
    return;
  }
  if (scale != deviceScale_) {
    sprites_.clear();
    deviceScale_ = scale;
  }

  const Look look{c.form,         c.rect.width, c.rect.height, c.backColour,
                  c.borderColour, c.opaque,     c.borderStyle, c.borderWidth};
  auto found = sprites_.find(look);
  if (found == sprites_.end()) {
    QImage sprite(size, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter p(&sprite);
    p.setRenderHints(painter.renderHints());
    p.translate(kMargin, kMargin);
    p.scale(scale, scale);
    p.translate(-drawn.topLeft());
    paint(p);
    p.end();
    sprite.setDevicePixelRatio(ratio);
    found = sprites_.insert(look, sprite);
  }

  const QPointF exact = toDevice.map(drawn.topLeft()) * ratio;
  const QPointF at(std::round(exact.x()) - kMargin, std::round(exact.y()) - kMargin);
  painter.save();
  painter.resetTransform();
  painter.drawImage(at / ratio, *found);
  painter.restore();
}

}  // namespace arvan
