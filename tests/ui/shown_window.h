// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The window on the scripted platform, shown at 1000 x 689 pixels with the
// keyboard focus, and the clicks and physical keys the window tests give it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "fake_platform.h"
#include "ui/form_window.h"

namespace arvan::testing {

inline constexpr QRgb kLightGreyPixel = 0xC0C0C0;
inline constexpr QRgb kGreenPixel = 0x00FF00;
inline constexpr QRgb kBluePixel = 0x0000FF;

inline QPointF centre(const Rect& r) { return {r.left + r.width / 2.0, r.top + r.height / 2.0}; }

class ShownWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(1000, 689);
    window.show();
    QApplication::setActiveWindow(&window);
    window.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // The colour of a shape near its lower-left corner, clear of any caption.
  QRgb pixelAt(const Rect& twips) {
    const QImage image = window.grab().toImage();
    const QPointF corner(twips.left + 60, twips.top + twips.height - 60);
    const QPointF at = window.toPixels(corner) * image.devicePixelRatio();
    return image.pixel(at.toPoint()) & 0xFFFFFF;
  }

  void clickAt(const Rect& twips) {
    QTest::mouseClick(&window, Qt::LeftButton, {}, window.toPixels(centre(twips)).toPoint());
  }

  // A physical key, as X11 numbers it, pressed and released on the focused widget.
  void pressKey(quint32 scanCode, bool release = true) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(target, &press);
    if (!release) return;
    QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(target, &up);
  }

  FakePlatform platform;
  FormWindow window{&platform};
};

}  // namespace arvan::testing
