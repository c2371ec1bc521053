// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A single-line text box of the window, such as the drill's counters:
// read-only and never focused, drawn by the style exactly as it draws a
// read-only QLineEdit. A new text only asks for a repaint; the text is laid
// out as the box is painted. QLineEdit lays its text out, moves its cursor
// and sends its signals on every change: a tenth of a millisecond of each
// key that counts.

#include <QWidget>

namespace arvan {

class LineBox : public QWidget {
 public:
  LineBox(QWidget* parent, bool framed);

  [[nodiscard]] const QString& text() const { return text_; }
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  bool framed_;
};

}  // namespace arvan
