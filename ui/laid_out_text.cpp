// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/laid_out_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/preparations.h"

namespace arvan {

void LaidOutText::prepare(const QFont& font, QSizeF room, int flags, const QString& text) {
  if (layout_ == nullptr || text != text_ || room != room_ || flags != flags_ || font != font_) {
    layOut(font, room, flags, text);
  }
}

void LaidOutText::layOut(const QFont& font, QSizeF room, int flags, const QString& text) {
  countPreparation();
  font_ = font;
  room_ = room;
  flags_ = flags;
  text_ = text;
  QString shown = text;
  for (QChar& c : shown) {
    if (c == u'\r' || c == u'\t' || (c == u'\n' && (flags & Qt::TextSingleLine))) c = u' ';
    if (c == u'\n') c = QChar::LineSeparator;
  }
  layout_ = std::make_unique<QTextLayout>(shown, font);
  QTextOption option(Qt::AlignLeft);
  option.setTextDirection(Qt::LeftToRight);
  layout_->setTextOption(option);
  layout_->setCacheEnabled(true);

  // Lines start on whole units, each a font's leading below the last; a
  // line that reaches the rectangle's bottom is the last.
  const double leading = QFontMetricsF(font).leading();
  const double lineWidth = (flags & Qt::TextWordWrap) ? std::max(0.0, room.width()) : 0x01000000;
  double height = -leading;
  double width = 0;
  layout_->beginLayout();
  for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
    line.setLineWidth(lineWidth);
    height = std::ceil(height + leading);
    line.setPosition(QPointF(0, height));
    height += line.ascent() + line.descent();
    width = std::max(width, line.naturalTextWidth());
    if (height >= room.height()) break;
  }
  layout_->endLayout();

  const double top = (flags & Qt::AlignVCenter) ? (room.height() - height) / 2 : 0;
  const double left = (flags & Qt::AlignHCenter) ? (room.width() - width) / 2 : 0;
  bounds_ = QRectF(left, top, width, height);
}

void LaidOutText::draw(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
  if (text.isEmpty()) return;
  prepare(painter.font(), rect.size(), flags, text);
  const bool overflows = !rect.contains(bounds_.translated(rect.topLeft()));
  if (overflows) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
  }
  for (int i = 0; i < layout_->lineCount(); ++i) {
    const QTextLine line = layout_->lineAt(i);
    const double left =
        (flags & Qt::AlignHCenter) ? (rect.width() - line.horizontalAdvance()) / 2 : 0;
    line.draw(&painter, QPointF(rect.x() + left, rect.y() + bounds_.top()));
  }
  if (overflows) painter.restore();
}

}  // namespace arvan
