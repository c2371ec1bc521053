// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The drill's pressure bar: a progress bar from 0 to 100 with no text,
// drawn by the style exactly as it draws a QProgressBar. A new value
// repaints only the stretch between the old end of the filled part and the
// new one, with the window's next frame; QProgressBar repaints the whole
// bar at once, a thousand pixels and more of gradients, on every value.
//
// The style strokes and fills the whole bar however little of it is
// repainted. So the bar keeps what the style draws, once for its size: the
// bar empty, the bar full, and around the end of the filled part at each
// value. A stretch where all three are opaque is copied from them; what
// they would only blend (the bar's rounded ends) the style draws.

#include <QImage>
#include <QStyleOptionProgressBar>
#include <QWidget>
#include <array>

namespace arvan {

class PressureBar : public QWidget {
 public:
  using QWidget::QWidget;

  [[nodiscard]] int value() const { return value_; }
  void setValue(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  [[nodiscard]] QStyleOptionProgressBar styleOption(int value) const;
  // Where the filled part of the bar ends for a value, in the bar's pixels.
  [[nodiscard]] int filledEnd(int value) const;
  // The bar at a value as the style draws it, on a transparent image.
  [[nodiscard]] QImage drawnAt(int value) const;
  // Copies a stretch of the bar from what the style drew before; false
  // where that would not give the style's pixels.
  bool copy(QPainter& painter, const QRect& stretch);

  int value_ = 0;
  QImage empty_, full_;           // the whole bar at 0 and at 100
  std::array<QImage, 101> ends_;  // each value's end of the filled part
  QSize keptFor_;                 // the size in device pixels that they are kept for
};

}  // namespace arvan
