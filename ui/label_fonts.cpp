// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/label_fonts.h"

#include "ui/display_font.h"
#include "ui/to_qt.h"

namespace arvan {

LabelFonts::Face& LabelFonts::face(const Font& font) {
  for (Face& f : faces_) {
    if (f.font == font) return f;
  }
  const QFont qfont = fontInTwips(font);
  return faces_.emplace_back(Face{font, qfont, QFontMetricsF(qfont), {}, {}, 0});
}

const QFont& LabelFonts::font(const Font& font) { return face(font).qfont; }

double LabelFonts::width(const Font& font, const std::string& caption) {
  Face& f = face(font);
  auto found = f.widths.find(caption);
  if (found == f.widths.end()) {
    found = f.widths.emplace(caption, f.metrics.horizontalAdvance(toQString(caption))).first;
  }
  return found->second;
}

double LabelFonts::lineHeight(const Font& font) { return face(font).metrics.height(); }

double LabelFonts::wrappedHeight(const Font& font, double width, const std::string& caption) {
  Face& f = face(font);
  if (f.wrapWidth != width) {
    f.wrappedHeights.clear();
    f.wrapWidth = width;
  }
  auto found = f.wrappedHeights.find(caption);
  if (found == f.wrappedHeights.end()) {
    const QRectF text =
        f.metrics.boundingRect(QRectF(0, 0, width, 0), Qt::TextWordWrap, toQString(caption));
    found = f.wrappedHeights.emplace(caption, text.height()).first;
  }
  return found->second;
}

}  // namespace arvan
