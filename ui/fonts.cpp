// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtDebug>

#include "ui/to_qt.h"

namespace arvan {
namespace {

const QString kMongolianLetters =
    QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОӨПРСТУҮФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуүфхцчшщъыьэюяө");

bool drawsMongolianLetters(const QFont& font) {
  const QFontMetrics metrics(font);
  for (const QChar letter : kMongolianLetters) {
    if (!metrics.inFont(letter)) return false;
  }
  return true;
}

QString chooseFamily() {
  // After "Arial Mon", a face with Arial's metrics keeps captions the
  // designed width.
  QStringList candidates{QStringLiteral("Arial Mon"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")};
  candidates += QFontDatabase::families();
  for (const QString& family : candidates) {
    if (!QFontDatabase::hasFamily(family)) continue;
    QFont font(family);
    if (QFontInfo(font).family() != family || !drawsMongolianLetters(font)) continue;
    return family;
  }
  const QString fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  qWarning("No installed face draws every Mongolian letter; falling back to \"%s\"",
           qUtf8Printable(fallback));
  return fallback;
}

}  // namespace

QString displayFamily() {
  static const QString family = chooseFamily();
  return family;
}

QString familyOf(const Font& font) {
  return font.systemDefault ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                            : displayFamily();
}

QFont fontInTwips(const Font& font) {
  QFont f(familyOf(font));
  f.setPixelSize(static_cast<int>(font.points * kTwipsPerPoint + 0.5));
  f.setBold(font.bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

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
