// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Paints the windowless controls of the form (shapes, labels, images) in
// their stacking order, in twips: the caller's painter maps twips to pixels.

#include <QList>
#include <QPalette>
#include <QRectF>
#include <vector>

#include "app/form.h"
#include "ui/label_fonts.h"
#include "ui/pictures.h"
#include "ui/shape_sprites.h"

class QPainter;

namespace arvan {

class FormPainter {
 public:
  FormPainter(const Form& form, Pictures& pictures);

  // Renders what painting `c` will copy (its shape's sprite, its picture)
  // for a window that maps twips through `toWindow`, if it is not yet, so
  // that painting only paints.
  void prepare(const Control& c, const QTransform& toWindow, qreal ratio);
  // Paints every windowless control that meets one of `areas` (twips).
  void paint(QPainter& painter, const QList<QRectF>& areas);
  // Where a windowless control draws, in twips: a label sized to its caption
  // is as wide as its text.
  [[nodiscard]] QRectF drawnRect(const Control& control) const;
  // The topmost visible label or image at a point, or nullptr.
  [[nodiscard]] const Control* labelOrImageAt(QPointF twips) const;

  // The windowless controls in drawing order, and those of them that can
  // change: the keyboard's panels and its decorative keys never do.
  [[nodiscard]] const std::vector<const Control*>& controls() const { return windowless_; }
  [[nodiscard]] const std::vector<const Control*>& changingControls() const { return changing_; }

 private:
  void paintLabel(QPainter& painter, const Control& c) const;
  void paintControl(QPainter& painter, const Control& c) const;

  std::vector<const Control*> windowless_;
  std::vector<const Control*> changing_;
  Pictures& pictures_;
  mutable LabelFonts fonts_;
  mutable ShapeSprites sprites_;
  QPalette palette_;
};

[[nodiscard]] bool isWindowless(const Control& control);
// Draws a shape control, in twips; `palette` gives its system colours.
void paintShape(QPainter& painter, const Control& control, const QPalette& palette);

}  // namespace arvan
