#include "ui/prefault.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace arvan {
namespace {

QImage pattern(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = qRgb(x % 251, y % 241, (x * y) % 239);
  }
  return image;
}

// Mapping the pages in must leave what is painted there as it was, whether
// the image spans many pages or lies within one.
TEST(Prefault, KeepsThePixelsOfTheImageBeingPainted) {
  for (const QSize size : {QSize(1920, 1080), QSize(3, 2)}) {
    QImage image = pattern(size);
    const QImage before = image.copy();
    QPainter painter(&image);
    prefaultTarget(painter);
    painter.end();
    EXPECT_EQ(image, before) << size.width();
  }
}

}  // namespace
}  // namespace arvan
