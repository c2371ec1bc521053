// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The keyboard's body and its decorative keys never change: they are painted
// once per window size into a layer, which each frame then only copies,
// together with the background colour around it.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include "ui/design_placement.h"

class QPainter;

namespace arvan {

class FormPainter;

class StaticLayer {
 public:
  // Paints the layer anew for a window of this size and device pixel ratio.
  void paint(FormPainter& painter, const DesignPlacement& placement, QSize windowSize, qreal ratio);
  [[nodiscard]] bool isFor(QSize windowSize, qreal ratio) const {
    return !image_.isNull() && windowSize_ == windowSize && ratio_ == ratio;
  }
  // Copies the layer, and fills the rest with the background colour, where
  // `region` (window pixels) asks.
  void copy(QPainter& painter, const QRegion& region) const;

 private:
  QImage image_;  // in device pixels
  QRect rect_;    // where the layer lies in the window
  QSize windowSize_;
  qreal ratio_ = 0;
};

}  // namespace arvan
