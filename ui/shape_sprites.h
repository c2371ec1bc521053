// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Shapes drawn once per look and then copied. A key's outline in its
// colours is the same picture wherever it stands, so each look (form, size,
// colours, border) is rendered once per window scale and every shape of that
// look is a copy of it. A copy lands on whole device pixels: a shape may
// stand up to half a pixel from its exact place.

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>

#include "form/control.h"

namespace arvan {

class ShapeSprites {
 public:
  // Draws the shape itself, in twips.
  using Paint = std::function<void(QPainter&)>;

  // Draws the shape `c`, whose drawing covers `drawn` (twips), on a painter
  // that maps twips to the device by a scale and a translation. `paint`
  // draws the shape when its look is new. Shapes too large to be worth
  // keeping are drawn straight away.
  void draw(QPainter& painter, const Control& c, const QRectF& drawn, const Paint& paint);
  // Renders the sprite of `c`'s look, if it is new, for a painter that maps
  // a twip to `deviceScale` device pixels; drawing it then only copies.
  void prepare(const Control& c, const QRectF& drawn, double deviceScale, qreal ratio,
               QPainter::RenderHints hints, const Paint& paint) {
    spriteOf(c, drawn, deviceScale, ratio, hints, paint);
  }

  struct Look {
    ShapeForm form;
    int width, height;  // twips
    Colour back, border;
    bool opaque;
    int borderStyle, borderWidth;
    friend bool operator==(const Look&, const Look&) = default;
  };

 private:
  // The sprite of the shape's look, rendered if it is new; nullptr if the
  // shape is too large to keep.
  const QImage* spriteOf(const Control& c, const QRectF& drawn, double deviceScale, qreal ratio,
                         QPainter::RenderHints hints, const Paint& paint);

  QHash<Look, QImage> sprites_;
  double deviceScale_ = 0;  // device pixels per twip of the sprites
};

size_t qHash(const ShapeSprites::Look& look, size_t seed = 0);

}  // namespace arvan
