// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/laid_out_text.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "ui/fonts.h"

namespace arvan {
namespace {

struct Case {
  const char* what;
  Font font;
  QRectF rect;  // twips
  int flags;
  QString text;
};

// A label's text on a grey image, through a painter that maps twips to
// pixels as the window's does at `scale`.
QImage painted(double scale, const Font& font, const std::function<void(QPainter&)>& draw) {
  QImage image(420, 160, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.translate(3.5, 2.25);
  painter.scale(scale, scale);
  painter.setFont(fontInTwips(font));
  painter.setPen(Qt::white);
  draw(painter);
  return image;
}

const Case kCases[] = {
    {"a key's caption, centred", {9, true}, {0, 0, 390, 330}, Qt::AlignHCenter, "Ө"},
    {"a counter's caption, left", {12, true}, {100, 50, 1500, 400}, Qt::AlignLeft, "Алдаа: 17"},
    {"a bordered caption, centred down",
     {8.25, false},
     {45, 0, 2000, 600},
     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
     "Хуруу\nбүр\tөөрийн"},
    {"a caption wrapped at words",
     {8.25, false},
     {0, 0, 1600, 1200},
     Qt::AlignLeft | Qt::TextWordWrap,
     "Гараа үндсэн байрлалд тавиад, гэрэлтсэн товчийг дар.\nДараа нь дахин."},
    {"a wrapped caption cut at the rectangle's bottom",
     {8.25, false},
     {0, 0, 900, 300},
     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
     "Гараа үндсэн байрлалд тавиад, гэрэлтсэн товчийг дар."},
    {"a caption wider than its rectangle",
     {11.25, true},
     {200, 0, 300, 400},
     Qt::AlignHCenter,
     "Backspace"},
};

TEST(LaidOutText, DrawsEveryLabelCaptionExactlyAsQtDrawsTextInARectangle) {
  for (const Case& c : kCases) {
    for (double scale : {0.0667, 0.1045, 0.2}) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(scale));
      const QImage expected = painted(
          scale, c.font, [&](QPainter& painter) { painter.drawText(c.rect, c.flags, c.text); });
      LaidOutText text;
      // Drawn twice: once laying the text out, once as laid out before.
      for (int time = 0; time < 2; ++time) {
        const QImage drawn = painted(
            scale, c.font, [&](QPainter& painter) { text.draw(painter, c.rect, c.flags, c.text); });
        ASSERT_EQ(drawn, expected) << "drawing " << time + 1;
      }
      ASSERT_NE(expected, painted(scale, c.font, [](QPainter&) {})) << "nothing drawn";
    }
  }
}

TEST(LaidOutText, FollowsANewTextOrAMovedOrResizedRectangleOrANewFont) {
  LaidOutText text;
  const QRectF rect(0, 0, 1500, 400);
  const auto draw = [&](const QString& shown, const QRectF& r, const Font& font) {
    return painted(0.1045, font,
                   [&](QPainter& painter) { text.draw(painter, r, Qt::AlignHCenter, shown); });
  };
  const auto expected = [&](const QString& shown, const QRectF& r, const Font& font) {
    return painted(0.1045, font,
                   [&](QPainter& painter) { painter.drawText(r, Qt::AlignHCenter, shown); });
  };
  EXPECT_EQ(draw("12", rect, {12, true}), expected("12", rect, {12, true}));
  EXPECT_EQ(draw("13", rect, {12, true}), expected("13", rect, {12, true}));
  EXPECT_EQ(draw("13", rect.translated(37.5, 12), {12, true}),
            expected("13", rect.translated(37.5, 12), {12, true}));
  EXPECT_EQ(draw("13", rect.adjusted(0, 0, 600, 0), {12, true}),
            expected("13", rect.adjusted(0, 0, 600, 0), {12, true}));
  EXPECT_EQ(draw("13", rect, {8.25, false}), expected("13", rect, {8.25, false}));
  EXPECT_EQ(draw("", rect, {12, true}), painted(0.1045, {12, true}, [](QPainter&) {}));
}

}  // namespace
}  // namespace arvan
