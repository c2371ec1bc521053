// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pressure_bar.h"

#include <QEvent>
#include <QPaintEvent>
#include <QStylePainter>
#include <algorithm>

namespace arvan {
namespace {

constexpr int kMinimum = 0;
constexpr int kMaximum = 100;
// The style draws the end of the filled part a few pixels either side of
// it: a rounded corner, a shadow line, the edge's antialiasing.
constexpr int kEndMargin = 4;

}  // namespace

QStyleOptionProgressBar PressureBar::styleOption(int value) const {
  QStyleOptionProgressBar option;
  option.initFrom(this);
  option.state |= QStyle::State_Horizontal;
  option.minimum = kMinimum;
  option.maximum = kMaximum;
  option.progress = value;
  option.textAlignment = Qt::AlignLeft;
  option.textVisible = false;
  return option;
}

int PressureBar::filledEnd(int value) const {
  const QStyleOptionProgressBar option = styleOption(value);
  const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
  return contents.left() + (value - kMinimum) * contents.width() / (kMaximum - kMinimum);
}

void PressureBar::setValue(int value) {
  value = std::clamp(value, kMinimum, kMaximum);
  if (value == value_) return;
  const int from = std::min(filledEnd(value_), filledEnd(value)) - kEndMargin;
  const int to = std::max(filledEnd(value_), filledEnd(value)) + kEndMargin;
  value_ = value;
  update(QRect(from, 0, to - from, height()));
}

PressureBar::PressureBar(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

QImage PressureBar::drawnAt(int value) const {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(palette().color(backgroundRole()));
  QPainter painter(&image);
  const QStyleOptionProgressBar option = styleOption(value);
  style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
  return image;
}

bool PressureBar::copy(QPainter& painter, const QRect& stretch) {
  // Drawn at another pixel ratio, the style's bar and its copies part at
  // its ends. None is made for the bar painted whole, as at first.
  const QRect inner = rect().adjusted(kEndMargin, 0, -kEndMargin, 0);
  if (devicePixelRatioF() != 1 || !inner.contains(stretch)) return false;
  if (keptFor_ != size()) {
    keptFor_ = size();
    empty_ = drawnAt(kMinimum);
    full_ = drawnAt(kMaximum);
    ends_.fill(QImage());
  }
  const QRect end(filledEnd(value_) - kEndMargin, 0, 2 * kEndMargin, height());
  QImage& drawnEnd = ends_[value_];
  if (drawnEnd.isNull()) drawnEnd = drawnAt(value_).copy(end);
  painter.setClipRect(stretch & QRect(0, 0, end.left(), height()));
  painter.drawImage(0, 0, full_);
  painter.setClipRect(stretch & QRect(end.right() + 1, 0, width(), height()));
  painter.drawImage(0, 0, empty_);
  painter.setClipRect(stretch & end);
  painter.drawImage(end.topLeft(), drawnEnd);
  return true;
}

void PressureBar::paintEvent(QPaintEvent* event) {
  QStylePainter painter(this);
  if (event->region().rectCount() == 1 && copy(painter, event->rect())) return;
  painter.drawControl(QStyle::CE_ProgressBar, styleOption(value_));
}

void PressureBar::changeEvent(QEvent* event) {
  // A new palette, style or state draws another bar.
  keptFor_ = QSize();
  QWidget::changeEvent(event);
}

}  // namespace arvan
