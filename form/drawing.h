// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// How a front end draws what a control describes, where the design leaves
// it to the drawing: the same in every front end.

#include <algorithm>
#include <string_view>

namespace arvan {

// The corner radius of a rounded rectangle: a sixth or so of its shorter
// side, in the unit of its sides.
[[nodiscard]] inline double roundedCornerRadius(double width, double height) {
  return std::min(width, height) * 0.16;
}

// What an image's picture name stands for: the drawing of assets/ to draw,
// drawn mirrored or not, with one finger (1 thumb .. 5 little finger) marked
// red or none (0). "hand-left-3" is the hand drawing with its middle finger
// marked, "hand-right-3" the same mirrored; any other name is a drawing of
// its own.
struct PictureDrawing {
  std::string_view drawing;
  bool mirrored = false;
  int markedFinger = 0;
};

[[nodiscard]] PictureDrawing pictureDrawing(std::string_view picture);

}  // namespace arvan
