// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/line_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace arvan {

LineBox::LineBox(QWidget* parent, bool framed) : QWidget(parent), framed_(framed) {
  setBackgroundRole(QPalette::Base);
}

void LineBox::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

// Paints as QLineEdit paints itself when read-only, unfocused, aligned left
// and showing the end of a text too long for it.
void LineBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.rect = contentsRect();
  panel.lineWidth = framed_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this) : 0;
  panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

  // QLineEdit's text starts 2 pixels into its contents, centred across.
  constexpr int kMargin = 2;
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  const QFontMetrics metrics = fontMetrics();
  const int height = std::max(metrics.boundingRect(text_).height(), metrics.height());
  const int width = contents.width() - 2 * kMargin;
  const int used = metrics.horizontalAdvance(text_) + 1;
  const QPoint baseline(contents.x() + kMargin - std::max(0, used - width),
                        contents.y() + (contents.height() - height + 1) / 2 + metrics.ascent());
  painter.setClipRect(contents);
  painter.setPen(palette().text().color());
  painter.drawText(baseline, text_);
}

}  // namespace arvan
