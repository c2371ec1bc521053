// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pressure_bar.h"

#include <QEvent>
#include <QPaintEvent>
#include <QStylePainter>
#include <algorithm>

#include "ui/preparations.h"

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
  keep();
  update(QRect(from, 0, to - from, height()));
}

PressureBar::PressureBar(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

QImage PressureBar::drawnAt(int value) const {
  countPreparation();
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(palette().color(backgroundRole()));
  QPainter painter(&image);
  const QStyleOptionProgressBar option = styleOption(value);
  style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
  return image;
}

void PressureBar::keep() {
  // Drawn at another pixel ratio, the style's bar and its copies part at
  // its ends: the style draws the bar itself there.
  if (devicePixelRatioF() != 1 || size().isEmpty()) return;
  if (keptFor_ != size()) {
    keptFor_ = size();
    empty_ = drawnAt(kMinimum);
    full_ = drawnAt(kMaximum);
    ends_.fill(QImage());
  }
  keepEnd();
}

void PressureBar::keepEnd() {
  QImage& drawnEnd = ends_[static_cast<std::size_t>(value_)];
  if (keptFor_.isEmpty() || !drawnEnd.isNull()) return;
  drawnEnd = drawnAt(value_).copy(endOf(value_));
}

QRect PressureBar::endOf(int value) const {
  return {filledEnd(value) - kEndMargin, 0, 2 * kEndMargin, height()};
}

bool PressureBar::copy(QPainter& painter, const QRect& stretch) {
  const QRect inner = rect().adjusted(kEndMargin, 0, -kEndMargin, 0);
  const QImage& drawnEnd = ends_[static_cast<std::size_t>(value_)];
  if (devicePixelRatioF() != 1 || keptFor_ != size() || drawnEnd.isNull() ||
      !inner.contains(stretch)) {
    return false;
  }
  const QRect end = endOf(value_);
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
  QWidget::changeEvent(event);
  // A new palette, style or state draws another bar.
  keptFor_ = QSize();
}

}  // namespace arvan
