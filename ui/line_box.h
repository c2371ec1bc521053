// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A single-line text box of the window, such as the drill's counters:
// read-only and never focused, drawn by the style exactly as it draws a
// read-only QLineEdit. A new text only asks for a repaint; the text is laid
// out when the box is painted. QLineEdit lays its text out, moves its
// cursor and sends its signals on every change: a tenth of a millisecond
// of each key that counts.

#include <QTextLayout>
#include <QWidget>

namespace arvan {

class LineBox : public QWidget {
 public:
  explicit LineBox(QWidget* parent = nullptr);

  [[nodiscard]] const QString& text() const { return text_; }
  void setText(const QString& text);
  void setFrame(bool frame);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString text_;
  bool frame_ = true;
  QTextLayout layout_;  // of text_ in the box's font, once painted
  bool laidOut_ = false;
};

}  // namespace arvan
