// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The window on the scripted platform, shown at 1000 x 689 pixels with the
// keyboard focus, driven by the window tests.

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "tests/window_driver.h"
#include "ui/form_window.h"

namespace arvan::testing {

inline constexpr QRgb kLightGreyPixel = 0xC0C0C0;
inline constexpr QRgb kGreenPixel = 0x00FF00;
inline constexpr QRgb kBluePixel = 0x0000FF;

class ShownWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(driver.show(QSize(1000, 689))); }

  QRgb pixelAt(const Rect& twips) { return driver.pixelAt(twips); }
  void clickAt(const Rect& twips) { driver.clickAt(twips); }
  // A physical key, as X11 numbers it, pressed and (unless not) released.
  void pressKey(quint32 scanCode, bool release = true) { driver.pressKey(scanCode, release); }

  FakePlatform platform;
  FormWindow window{&platform};
  WindowDriver driver{window};
};

}  // namespace arvan::testing
