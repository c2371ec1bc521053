// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "form/drawing.h"

#include <gtest/gtest.h>

#include "form/form.h"

namespace arvan {
namespace {

TEST(Drawing, EveryHandPictureOfTheFormIsTheHandDrawingMarkedAndMirroredByItsName) {
  const Form form;
  for (const Control* hand : {&form.ZGar[3], &form.BGar[5], &form.BGar[0]}) {
    const PictureDrawing drawn = pictureDrawing(hand->picture);
    EXPECT_EQ(drawn.drawing, "hand") << hand->name;
    EXPECT_EQ(drawn.mirrored, hand->name.starts_with("BGar")) << hand->name;
  }
  EXPECT_EQ(pictureDrawing(form.ZGar[3].picture).markedFinger, 3);
  EXPECT_EQ(pictureDrawing(form.BGar[0].picture).markedFinger, 0);
}

TEST(Drawing, OtherNamesAreDrawingsOfTheirOwn) {
  for (const std::string_view name : {"clock", "hand", "hand-left-", "hand-left-6", "hand-up-1"}) {
    const PictureDrawing drawn = pictureDrawing(name);
    EXPECT_EQ(drawn.drawing, name);
    EXPECT_FALSE(drawn.mirrored);
    EXPECT_EQ(drawn.markedFinger, 0);
  }
}

}  // namespace
}  // namespace arvan
