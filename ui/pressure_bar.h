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
// repainted. So the bar keeps what the style draws over its background,
// once for its size: the bar empty, the bar full, and around the end of the
// filled part at each value, when a value is set. A changed stretch is
// copied from them; until a value is set at a new size, the style draws the
// whole bar. The bar fills its background itself, so that the window
// paints nothing under it.

#include <QImage>
#include <QStyleOptionProgressBar>
#include <QWidget>
#include <array>

namespace arvan {

class PressureBar : public QWidget {
 public:
  explicit PressureBar(QWidget* parent = nullptr);

  [[nodiscard]] int value() const { return value_; }
  void setValue(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  [[nodiscard]] QStyleOptionProgressBar styleOption(int value) const;
  // Where the filled part of the bar ends for a value, in the bar's pixels.
  [[nodiscard]] int filledEnd(int value) const;
  // The bar at a value as the style draws it over its background.
  [[nodiscard]] QImage drawnAt(int value) const;
  // Keeps the bar empty and full for its size, if they are not kept for
  // it, and the end at its value.
  void keep();
  void keepEnd();
  [[nodiscard]] QRect endOf(int value) const;
  // Copies a stretch of the bar from what the style drew before; false at
  // a pixel ratio other than 1 and at the bar's ends, which the style draws.
  bool copy(QPainter& painter, const QRect& stretch);

  int value_ = 0;
  QImage empty_, full_;           // the whole bar at 0 and at 100
  std::array<QImage, 101> ends_;  // each value's end of the filled part
  QSize keptFor_;                 // the size they are kept for, at a pixel ratio of 1
};

}  // namespace arvan
