// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "shown_window.h"
#include "ui/text_boxes.h"

namespace arvan {
namespace {

using testing::kBluePixel;
using testing::kGreenPixel;
using testing::kLightGreyPixel;
using FormWindowTest = testing::ShownWindow;

TEST_F(FormWindowTest, PaintsTheKeyFacesWhereTheScalePutsThemAtAnySize) {
  for (const QSize size : {QSize(1000, 689), QSize(1920, 1080), QSize(640, 900)}) {
    window.resize(size);
    EXPECT_EQ(pixelAt(faceRect(0)), kLightGreyPixel) << size.width();
    EXPECT_EQ(pixelAt(faceRect(kSpaceBarSlot)), kLightGreyPixel) << size.width();
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, kBluePixel);
  }
}

TEST_F(FormWindowTest, AClickOnTheMongolianOptionShowsTheMongolianCaptions) {
  QWidget* option = window.childControls().widgetOf(window.form().OptMon);
  ASSERT_NE(option, nullptr);
  QTest::mouseClick(option, Qt::LeftButton);
  EXPECT_EQ(window.form().keyLabel[0].caption, "Ф");
  EXPECT_EQ(window.form().keyLabel[16].caption, "Ө");
  EXPECT_EQ(window.form().OptMon.value, 1);
  EXPECT_EQ(QApplication::focusWidget(), &window);
}

TEST_F(FormWindowTest, AClickOnExitClosesTheWindow) {
  clickAt(window.form().lblExit.rect);
  EXPECT_TRUE(platform.closed);
}

TEST_F(FormWindowTest, AClickOnTheBackgroundClosesTheMenuButOneOnAPictureDoesNot) {
  clickAt(window.form().lblMenu1.rect);
  EXPECT_TRUE(window.form().lblSubMenu1.visible);
  clickAt(window.form().Image6.rect);
  EXPECT_TRUE(window.form().lblSubMenu1.visible);
  clickAt(window.form().Shape3.rect);  // a shape counts as background
  EXPECT_FALSE(window.form().lblSubMenu1.visible);
}

TEST_F(FormWindowTest, KeysWithNativeScanCodesPlayADrill) {
  platform.queueRandom({0.0f, 0.5f});  // first target W, then H
  clickAt(window.form().Start.rect);
  ASSERT_FALSE(window.form().Start.enabled);
  EXPECT_EQ(window.form().targetSlot, 1);
  EXPECT_TRUE(window.timer().isActive());
  EXPECT_EQ(pixelAt(faceRect(1)), kGreenPixel);

  pressKey(25);  // W
  EXPECT_EQ(window.form().hitCount, 1);
  EXPECT_EQ(window.form().targetSlot, 18);
  EXPECT_EQ(pixelAt(faceRect(18)), kGreenPixel);
  EXPECT_EQ(pixelAt(faceRect(1)), kLightGreyPixel);

  pressKey(24);  // Q: a miss
  EXPECT_EQ(window.form().missCount, 1);
  EXPECT_EQ(platform.beeps, 3);  // two at start-up
  auto* count = dynamic_cast<LineBox*>(window.childControls().widgetOf(window.form().txtCount));
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->text(), QStringLiteral("1"));

  pressKey(64);  // Alt stops the drill
  EXPECT_TRUE(window.form().Start.enabled);
  EXPECT_FALSE(window.timer().isActive());
}

// A held key as X11 delivers it once the tutor has asked for detectable
// auto-repeat: a press, unmarked repeated presses 0.66 s on and every 40 ms
// after, and one release when the finger comes up.
TEST_F(FormWindowTest, AHeldTargetStaysPressedAndTheNextTargetWaitsForItsRelease) {
  platform.queueRandom({0.0f, 0.1f});  // W, then T
  clickAt(window.form().Start.rect);
  const auto send = [this](QEvent::Type type, ulong time) {
    QKeyEvent event(type, 0, Qt::NoModifier, 25, 0, 0);
    event.setTimestamp(time);
    QApplication::sendEvent(&window, &event);
  };
  send(QEvent::KeyPress, 705156);
  for (ulong time = 705816; time < 706800; time += 40) {
    send(QEvent::KeyPress, time);
    ASSERT_TRUE(window.form().fore[1].visible) << time;        // W still looks pressed
    EXPECT_EQ(pixelAt(faceRect(4)), kLightGreyPixel) << time;  // T not yet lit
  }
  EXPECT_EQ(window.form().hitCount, 1);
  EXPECT_EQ(window.form().missCount, 25);  // each repeat strikes a key no longer lit
  EXPECT_EQ(platform.beeps, 2 + 25);

  send(QEvent::KeyRelease, 706820);
  EXPECT_FALSE(window.form().fore[1].visible);
  EXPECT_EQ(pixelAt(faceRect(4)), kGreenPixel);
}

TEST_F(FormWindowTest, WordTypingThroughTheMenuMovesTheHighlightAlongTheFirstWord) {
  clickAt(window.form().lblMenu1.rect);
  clickAt(window.form().lblSubMenu1.rect);
  ASSERT_TRUE(window.form().Text1.visible);
  auto* text = dynamic_cast<TextBox*>(window.childControls().widgetOf(window.form().Text1));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->isVisible());
  EXPECT_FALSE(text->hasFocus());

  // "хурдан" on the physical keys H E J ; G Y
  const std::array<quint32, 6> keys{43, 26, 44, 47, 42, 29};
  for (std::size_t typed = 0; typed < keys.size(); ++typed) {
    pressKey(keys[typed]);
    EXPECT_EQ(text->highlight().selectionStart(), static_cast<int>(typed) + 1);
    EXPECT_EQ(text->highlight().selectedText().size(), 1);
  }
  EXPECT_EQ(text->highlight().selectedText(), QStringLiteral(" "));
  EXPECT_EQ(window.form().hitCount, 6);
  EXPECT_EQ(window.form().missCount, 0);
}

TEST_F(FormWindowTest, ATextBoxFirstShownAfterAResizeTakesTheWindowsScale) {
  window.resize(1920, 1080);
  EXPECT_EQ(window.childControls().widgetOf(window.form().Text1), nullptr);  // not yet shown
  clickAt(window.form().lblMenu1.rect);
  clickAt(window.form().lblSubMenu1.rect);
  auto* text = qobject_cast<QPlainTextEdit*>(window.childControls().widgetOf(window.form().Text1));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->isVisible());
  const Rect& r = window.form().Text1.rect;
  const QPointF topLeft = window.toPixels(QPointF(r.left, r.top));
  EXPECT_NEAR(text->x(), topLeft.x(), 1);
  EXPECT_NEAR(text->y(), topLeft.y(), 1);
  EXPECT_NEAR(text->width(), r.width * window.scale(), 2);
  EXPECT_EQ(text->font().pixelSize(),
            std::lround(window.form().Text1.font.points * 20 * window.scale()));
  EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("хурдан")));
}

}  // namespace
}  // namespace arvan
