// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The window's pictures, drawn from the SVG files in assets/ and stretched
// to their control's rectangle. The twelve hand pictures come from one
// drawing of a left hand: mirrored for the right hand, with the marked finger
// turned red. Each picture is rendered once per size, to whole device pixels,
// and then only copied.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>
#include <QTransform>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;

namespace arvan {

class Pictures {
 public:
  void draw(QPainter& painter, std::string_view picture, const QRectF& rect);
  // Renders the picture, if it is not yet, for drawing it at `rect` (twips)
  // through `toWindow` at a device pixel ratio.
  void prepare(std::string_view picture, const QRectF& rect, const QTransform& toWindow,
               qreal ratio);
  // Whether the picture has a drawing (and is not drawn as a placeholder).
  [[nodiscard]] bool has(std::string_view picture);

 private:
  struct Picture {
    std::unique_ptr<QSvgRenderer> renderer;  // parsed when first needed
    bool mirrored = false;
    QImage rendered;  // at the size it was last drawn, in device pixels
  };

  QSvgRenderer& rendererOf(const std::string& picture, Picture& p);
  Picture& renderedAt(const std::string& picture, QSize devicePixels);

  std::unordered_map<std::string, Picture> pictures_;
};

// The hand drawing with one finger (1 thumb .. 5 little finger) marked red;
// finger 0 marks none.
[[nodiscard]] QByteArray markFinger(QByteArray handSvg, int finger);

}  // namespace arvan
