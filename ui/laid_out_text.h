// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A text laid out once and then drawn as often as needed, where and as
// QPainter::drawText(rectangle, flags, text) draws it, for the flags that
// labels use: left-aligned or centred across, at the top or centred down,
// on one line or wrapped at words. drawText shapes its text anew on every
// call, about a tenth of a millisecond for a key's caption.

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;

namespace arvan {

class LaidOutText {
 public:
  // Draws with the painter's font and pen; lays the text out first unless
  // it is laid out for this font, size of rectangle and flags already.
  void draw(QPainter& painter, const QRectF& rect, int flags, const QString& text);

 private:
  void layOut(const QFont& font, QSizeF room, int flags, const QString& text);

  std::unique_ptr<QTextLayout> layout_;
  QFont font_;
  QSizeF room_;
  int flags_ = 0;
  QString text_;
  QRectF bounds_;  // of the lines, from the rectangle's top left
};

}  // namespace arvan
