// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pressure_bar.h"

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

void PressureBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.drawControl(QStyle::CE_ProgressBar, styleOption(value_));
}

}  // namespace arvan
