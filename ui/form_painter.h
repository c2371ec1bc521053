#pragma once

// Paints the windowless controls of the form (shapes, labels, images) in
// their stacking order, in twips: the caller's painter maps twips to pixels.

#include <QFont>
#include <QFontMetricsF>
#include <QPalette>
#include <QRectF>
#include <vector>

#include "app/form.h"
#include "ui/pictures.h"

class QPainter;

namespace arvan {

class FormPainter {
 public:
  FormPainter(const Form& form, Pictures& pictures);

  // Paints every windowless control that meets `area` (twips).
  void paint(QPainter& painter, const QRectF& area);
  // Where a windowless control draws, in twips: a label sized to its caption
  // is as wide as its text.
  [[nodiscard]] QRectF drawnRect(const Control& control) const;
  // The topmost visible label or image at a point, or nullptr.
  [[nodiscard]] const Control* labelOrImageAt(QPointF twips) const;

  [[nodiscard]] const std::vector<const Control*>& windowlessControls() const {
    return windowless_;
  }

 private:
  void paintShape(QPainter& painter, const Control& c) const;
  void paintLabel(QPainter& painter, const Control& c) const;

  std::vector<const Control*> windowless_;
  Pictures& pictures_;
  QPalette palette_;
};

[[nodiscard]] bool isWindowless(const Control& control);
[[nodiscard]] QRectF toQRectF(const Rect& r);

}  // namespace arvan
