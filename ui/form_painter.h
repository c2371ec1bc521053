// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Paints the windowless controls of the form (shapes, labels, images) in
// their stacking order, in twips: the caller's painter maps twips to pixels.

#include <QList>
#include <QPalette>
#include <QRectF>
#include <vector>

#include "form/form.h"
#include "ui/fonts.h"
#include "ui/laid_out_text.h"
#include "ui/pictures.h"
#include "ui/shape_sprites.h"

class QPainter;

namespace arvan {

class FormPainter {
 public:
  // Takes the form's controls as they are now as painted: the window's
  // first frame paints them whole.
  FormPainter(const Form& form, Pictures& pictures);

  // Where the controls that changed since they were last painted drew and
  // now draw (twips). What painting them will copy (a shape's sprite, a
  // picture) is rendered here for a window that maps twips through
  // `toWindow`, so that painting only paints.
  [[nodiscard]] QList<QRectF> takeChanges(const QTransform& toWindow, qreal ratio);
  // Renders what painting every control will copy, for a new window size.
  void prepare(const QTransform& toWindow, qreal ratio);
  // Paints `areas` (twips): the window's blue and every windowless control
  // that meets one of them.
  void paint(QPainter& painter, const QList<QRectF>& areas);
  // Where a windowless control drew when last painted (twips).
  [[nodiscard]] QRectF drawnRectOf(const Control& control) const;
  // The topmost visible label or image at a point, or nullptr.
  [[nodiscard]] const Control* labelOrImageAt(QPointF twips) const;

 private:
  struct Windowless {
    const Control* control;
    QRectF drawn;  // where it drew when last painted, in twips
    LaidOutText caption;
  };
  // A control that may change: the keyboard's panels and its decorative
  // keys never do.
  struct Changing {
    std::size_t index;  // in windowless_
    Control painted;    // as last painted
  };

  // Where a windowless control draws, in twips: a label sized to its caption
  // is as wide as its text.
  [[nodiscard]] QRectF drawnRect(const Control& control) const;
  void prepare(Windowless& w, const QTransform& toWindow, qreal ratio);
  void paintLabel(QPainter& painter, Windowless& w);
  void paintControl(QPainter& painter, Windowless& w);

  std::vector<Windowless> windowless_;
  std::vector<Changing> changing_;
  std::vector<std::size_t> panels_;  // the keyboard's panels, topmost first
  Pictures& pictures_;
  mutable LabelFonts fonts_;
  ShapeSprites sprites_;
  QPalette palette_;
};

[[nodiscard]] bool isWindowless(const Control& control);
// Draws a shape control, in twips; `palette` gives its system colours.
void paintShape(QPainter& painter, const Control& control, const QPalette& palette);

}  // namespace arvan
