// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/line_box.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace arvan {
namespace {

// QLineEdit's space between its contents' edge and its text.
constexpr int kHorizontalMargin = 2;

}  // namespace

LineBox::LineBox(QWidget* parent) : QWidget(parent) {
  setBackgroundRole(QPalette::Base);
  layout_.setCacheEnabled(true);
}

void LineBox::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  laidOut_ = false;
  update();
}

void LineBox::setFrame(bool frame) {
  frame_ = frame;
  update();
}

void LineBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) laidOut_ = false;
}

// Paints as QLineEdit paints itself when read-only, unfocused, aligned left
// and showing the end of a text too long for it.
void LineBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.rect = contentsRect();
  panel.lineWidth = frame_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this) : 0;
  panel.midLineWidth = 0;
  panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
  panel.features = QStyleOptionFrame::None;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

  if (!laidOut_) {
    layout_.setFont(font());
    layout_.setText(text_);
    QTextOption option = layout_.textOption();
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_.setTextOption(option);
    layout_.beginLayout();
    layout_.createLine();
    layout_.endLayout();
    laidOut_ = true;
  }
  const QTextLine line = layout_.lineAt(0);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  painter.setClipRect(contents);
  const QFontMetrics metrics = fontMetrics();
  const int textHeight = std::max(metrics.boundingRect(text_).height(), metrics.height());
  const QRect lineRect(contents.x() + kHorizontalMargin,
                       contents.y() + (contents.height() - textHeight + 1) / 2,
                       contents.width() - 2 * kHorizontalMargin, textHeight);
  const int widthUsed = qRound(line.naturalTextWidth()) + 1;
  const int scrolled = widthUsed <= lineRect.width() ? 0 : widthUsed - lineRect.width();
  const QPoint topLeft =
      lineRect.topLeft() - QPoint(scrolled, qRound(line.ascent()) - metrics.ascent());
  painter.setPen(palette().text().color());
  layout_.draw(&painter, topLeft, {}, contents);
}

}  // namespace arvan
