// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <string>

#include "form/form.h"
#include "ui/fonts.h"

namespace arvan {
namespace {

QByteArray handDrawing() {
  QFile file(QStringLiteral(":/assets/hand.svg"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

TEST(Pictures, EveryImageOfTheWindowHasItsDrawing) {
  const Form form;
  Pictures pictures;
  std::vector<const Control*> images;
  for (const Control* c : form.controlsInDrawingOrder()) {
    if (c->kind == ControlKind::Image) images.push_back(c);
  }
  EXPECT_EQ(images.size(), 23u);  // 12 hands, 7 key symbols, 4 others
  for (const Control* c : images) EXPECT_TRUE(pictures.has(c->picture)) << c->name;
}

TEST(Pictures, TheWindowIconIsDrawnAtEverySizeXAsksFor) {
  const QIcon icon = QApplication::windowIcon();  // as the application sets it up
  for (const int size : {16, 32, 48, 64}) {
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    ASSERT_EQ(image.size(), QSize(size, size)) << size;
    EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 0) << size;
  }
  EXPECT_EQ(icon.availableSizes().size(), 4);
}

TEST(Pictures, MarkingAFingerTurnsExactlyThatFingerRed) {
  const QByteArray hand = handDrawing();
  for (int finger = 1; finger <= 5; ++finger) {
    const QByteArray marked = markFinger(hand, finger);
    const QByteArray id = "id=\"finger" + QByteArray::number(finger) + "\" fill=\"#FF0000\"";
    EXPECT_TRUE(marked.contains(id)) << finger;
    EXPECT_EQ(marked.count("#FF0000"), hand.count("#FF0000") + 1) << finger;
  }
  EXPECT_EQ(markFinger(hand, 0), hand);
}

TEST(Pictures, TheTwelveHandPicturesAreAllDifferent) {
  Pictures pictures;
  std::vector<QImage> images;
  for (const char* side : {"left", "right"}) {
    for (int finger = 0; finger <= 5; ++finger) {
      QImage image(48, 48, QImage::Format_ARGB32);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      const std::string name = std::string("hand-") + side + "-" + std::to_string(finger);
      pictures.draw(painter, name, QRectF(0, 0, 48, 48));
      painter.end();
      for (const QImage& other : images) EXPECT_NE(image, other) << name;
      images.push_back(image);
    }
  }
}

// The red pixels of a hand picture rendered at the window's smallest size.
struct RedArea {
  int pixels = 0;
  double meanX = 0;  // 0 is the left edge, 1 the right
};

RedArea redAreaOf(Pictures& pictures, const std::string& name) {
  constexpr int kSide = 40;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QPainter painter(&image);
  pictures.draw(painter, name, QRectF(0, 0, kSide, kSide));
  painter.end();
  RedArea area;
  double sumX = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 90 && c.blue() < 90) {
        ++area.pixels;
        sumX += (x + 0.5) / kSide;
      }
    }
  }
  if (area.pixels > 0) area.meanX = sumX / area.pixels;
  return area;
}

TEST(Pictures, AtTheSmallestSizeOnlyTheMarkedFingerIsRedAndItIsOnTheRightSide) {
  Pictures pictures;
  // Seen from the back, the left hand's thumb is on its right and its little
  // finger on its left; the right hand is the mirror image.
  for (const char* side : {"left", "right"}) {
    const bool left = std::string(side) == "left";
    EXPECT_EQ(redAreaOf(pictures, std::string("hand-") + side + "-0").pixels, 0) << side;
    double previousX = left ? 2.0 : -1.0;
    for (int finger = 1; finger <= 5; ++finger) {
      const RedArea area =
          redAreaOf(pictures, std::string("hand-") + side + "-" + std::to_string(finger));
      EXPECT_GT(area.pixels, 15) << side << finger;  // plain to see at 40 x 40
      // From the thumb to the little finger the red moves across the hand.
      if (left) {
        EXPECT_LT(area.meanX, previousX) << side << finger;
      } else {
        EXPECT_GT(area.meanX, previousX) << side << finger;
      }
      previousX = area.meanX;
    }
  }
}

// Arial Mon where a learner has it; otherwise Liberation Sans, which the
// project installs: Arial's metrics, and every Mongolian letter.
TEST(DisplayFont, IsArialMonOrLiberationSans) {
  EXPECT_TRUE(displayFamily() == QStringLiteral("Arial Mon") ||
              displayFamily() == QStringLiteral("Liberation Sans"))
      << displayFamily().toStdString();
}

}  // namespace
}  // namespace arvan
