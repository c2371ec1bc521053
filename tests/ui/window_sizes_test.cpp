// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include <gtest/gtest.h>

#include <QImage>

#include "shown_window.h"

namespace arvan {
namespace {

using testing::kBluePixel;
using testing::kGreenPixel;
using WindowSizes = testing::ShownWindow;

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
