// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/shape_sprites.h"

#include <cmath>

#include "ui/device_pixels.h"
#include "ui/preparations.h"

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

const QImage* ShapeSprites::spriteOf(const Control& c, const QRectF& drawn, double deviceScale,
                                     qreal ratio, QPainter::RenderHints hints, const Paint& paint) {
  const QSize size(static_cast<int>(std::ceil(drawn.width() * deviceScale)) + 2 * kMargin,
                   static_cast<int>(std::ceil(drawn.height() * deviceScale)) + 2 * kMargin);
  if (double(size.width()) * size.height() > kLargestSpritePixels) return nullptr;
  if (deviceScale != deviceScale_) {
    sprites_.clear();
    deviceScale_ = deviceScale;
  }

  const Look look{c.form,         c.rect.width, c.rect.height, c.backColour,
                  c.borderColour, c.opaque,     c.borderStyle, c.borderWidth};
  auto found = sprites_.find(look);
  if (found == sprites_.end()) {
    countPreparation();
    QImage sprite(size, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter p(&sprite);
    p.setRenderHints(hints);
    p.translate(kMargin, kMargin);
    p.scale(deviceScale, deviceScale);
    p.translate(-drawn.topLeft());
    paint(p);
    p.end();
    sprite.setDevicePixelRatio(ratio);
    found = sprites_.insert(look, sprite);
  }
  return &*found;
}

void ShapeSprites::draw(QPainter& painter, const Control& c, const QRectF& drawn,
                        const Paint& paint) {
  const QTransform& toDevice = painter.deviceTransform();
  const QImage* sprite =
      toDevice.type() > QTransform::TxScale
          ? nullptr
          : spriteOf(c, drawn, toDevice.m11(), painter.device()->devicePixelRatioF(),
                     painter.renderHints(), paint);
  if (sprite == nullptr) {
    paint(painter);
    return;
  }
  const QPoint at = toDevice.map(drawn.topLeft()).toPoint() - QPoint(kMargin, kMargin);
  const DevicePixels devicePixels(painter);
  drawImageInBands(painter, at, *sprite);
}

}  // namespace arvan
