// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The drill's pressure bar: a progress bar from 0 to 100 with no text,
// drawn by the style exactly as it draws a QProgressBar. A new value
// repaints only the stretch between the old end of the filled part and the
// new one, with the window's next frame; QProgressBar repaints the whole
// bar at once, a thousand pixels and more of gradients, on every value.

#include <QStyleOptionProgressBar>
#include <QWidget>

namespace arvan {

class PressureBar : public QWidget {
 public:
  using QWidget::QWidget;

  [[nodiscard]] int value() const { return value_; }
  void setValue(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  [[nodiscard]] QStyleOptionProgressBar styleOption(int value) const;
  // Where the filled part of the bar ends for a value, in the bar's pixels.
  [[nodiscard]] int filledEnd(int value) const;

  int value_ = 0;
};

}  // namespace arvan
