// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The core's values as Qt's: colours, text and rectangles.

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <string_view>

#include "keyboard/geometry.h"

namespace arvan {

// A stored 0x00BBGGRR colour, or a system colour from the desktop's palette.
[[nodiscard]] inline QColor toQColor(Colour colour, const QPalette& palette = QPalette()) {
  if (colour == kSystemWindowText) return palette.color(QPalette::WindowText);
  if (colour == kSystemHighlightText) return palette.color(QPalette::HighlightedText);
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

[[nodiscard]] inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QRectF toQRectF(const Rect& r) {
  return QRectF(r.left, r.top, r.width, r.height);
}

}  // namespace arvan
