// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The fonts of the windowless labels, in twips, each made once, with the
// sizes of the captions set in them, each measured once. Painting asks for
// both many times a frame; the answers never change while the program runs.

#include <QFont>
#include <QFontMetricsF>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/control.h"

namespace arvan {

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
