// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A text laid out once and then drawn as often as needed, where and as
// QPainter::drawText(rectangle, flags, text) draws it, for the flags that
// captions use: left-aligned or centred across, at the top or centred down,
// on one line or wrapped at words. drawText shapes its text anew on every
// call, about a tenth of a millisecond for a key's caption; the text is
// laid out before painting instead, when it or its room changes.

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;

namespace arvan {

class LaidOutText {
 public:
  // Lays the text out for a rectangle of size `room`, unless it is laid out
  // for this font, room and flags already.
  void prepare(const QFont& font, QSizeF room, int flags, const QString& text);
  // Draws in `rect` with the painter's pen; lays the text out first, with
  // the painter's font, where it was not prepared so.
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
