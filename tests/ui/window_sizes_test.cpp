#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "fake_platform.h"
#include "ui/form_window.h"

namespace arvan {
namespace {

constexpr QRgb kGreenPixel = 0x00FF00;
constexpr QRgb kBluePixel = 0x0000FF;

class WindowSizes : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(1000, 689);
    window.show();
    QApplication::setActiveWindow(&window);
    window.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void clickAt(const Rect& r) {
    const QPointF centre(r.left + r.width / 2.0, r.top + r.height / 2.0);
    QTest::mouseClick(&window, Qt::LeftButton, {}, window.toPixels(centre).toPoint());
  }

  // A physical key, as X11 numbers it, pressed and released.
  void pressKey(quint32 scanCode) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(&window, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(&window, &release);
  }

  testing::FakePlatform platform;
  FormWindow window{&platform};
};

// From a single pixel to an 8K screen and back, with a drill running: every
// size paints, and wherever a key is big enough to see, the lit key shows
// green where the scale puts it and the margin stays blue.
TEST_F(WindowSizes, FromOnePixelToEightKAndBackEverySizePaints) {
  platform.queueRandom({0.0f});  // the first target is W
  clickAt(window.form().Start.rect);
  ASSERT_EQ(window.form().targetSlot, 1);
  for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(1, 2), QSize(15, 10), QSize(320, 200),
                           QSize(1920, 1080), QSize(3840, 2160), QSize(7680, 4320),
                           QSize(3840, 2160), QSize(640, 480), QSize(1, 1), QSize(1000, 689)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    window.resize(size);
    pressKey(24);  // Q: a miss, so that the counter repaints at this size
    const QImage image = window.grab().toImage();
    ASSERT_EQ(image.size(), size * image.devicePixelRatio());
    if (size.width() < 640) continue;
    const Rect face = faceRect(window.form().targetSlot);
    const QPointF corner(face.left + 60, face.top + face.height - 60);
    const QPoint at = (window.toPixels(corner) * image.devicePixelRatio()).toPoint();
    EXPECT_EQ(image.pixel(at) & 0xFFFFFF, kGreenPixel);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, kBluePixel);
  }
  EXPECT_EQ(window.form().missCount, 12);
}

}  // namespace
}  // namespace arvan
