#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "app/form.h"
#include "ui/display_font.h"

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

TEST(DisplayFont, TheFaceInUseDrawsTheMongolianLetters) {
  const QFont font(displayFamily());
  EXPECT_TRUE(drawsMongolianLetters(font));
  const QFontMetrics metrics(font);
  for (const char16_t letter : {u'Ө', u'ө', u'Ү', u'ү'}) EXPECT_TRUE(metrics.inFont(QChar(letter)));
}

}  // namespace
}  // namespace arvan
