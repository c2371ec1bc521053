// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The fonts of the window: its display face, the controls' fonts, and the
// windowless labels' fonts with the sizes of their captions.

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <string>
#include <unordered_map>
#include <vector>

#include "form/control.h"

namespace arvan {

// The face for all display text: "Arial Mon" where installed, otherwise the
// first sans-serif face that draws every Mongolian Cyrillic letter.
[[nodiscard]] QString displayFamily();

// The family of a control's font: the desktop's own, or the display face.
[[nodiscard]] QString familyOf(const Font& font);

// A control's font with its size in twips (a point is 20 twips), for
// drawing in the window's twip coordinates.
[[nodiscard]] QFont fontInTwips(const Font& font);

// The labels' fonts in twips, each made once, with the sizes of the captions
// set in them, each measured once. Painting asks for both many times a
// frame; the answers never change while the program runs.
class LabelFonts {
 public:
  [[nodiscard]] const QFont& font(const Font& font);
  // The advance of a one-line caption, and its height.
  [[nodiscard]] double width(const Font& font, const std::string& caption);
  [[nodiscard]] double lineHeight(const Font& font);
  // The height of a caption wrapped at word boundaries into `width`.
  [[nodiscard]] double wrappedHeight(const Font& font, double width, const std::string& caption);

 private:
  struct Face {
    Font font;
    QFont qfont;
    QFontMetricsF metrics;
    std::unordered_map<std::string, double> widths;
    std::unordered_map<std::string, double> wrappedHeights;  // at wrapWidth
    double wrapWidth = 0;
  };
  Face& face(const Font& font);

  std::vector<Face> faces_;  // a handful: one per distinct font of the form
};

}  // namespace arvan
