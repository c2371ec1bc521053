#pragma once

#include <QColor>
#include <QPalette>

#include "keyboard/geometry.h"

namespace arvan {

// A stored 0x00BBGGRR colour, or a system colour from the desktop's palette.
[[nodiscard]] inline QColor toQColor(Colour colour, const QPalette& palette = QPalette()) {
  if (colour == kSystemWindowText) return palette.color(QPalette::WindowText);
  if (colour == kSystemHighlightText) return palette.color(QPalette::HighlightedText);
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace arvan
