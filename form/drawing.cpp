// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "form/drawing.h"

namespace arvan {

PictureDrawing pictureDrawing(std::string_view picture) {
  constexpr std::string_view kLeft = "hand-left-";
  constexpr std::string_view kRight = "hand-right-";
  const bool left = picture.starts_with(kLeft);
  const bool right = picture.starts_with(kRight);
  if (!left && !right) return {picture};
  const std::string_view finger = picture.substr(left ? kLeft.size() : kRight.size());
  if (finger.size() != 1 || finger[0] < '0' || finger[0] > '5') return {picture};
  return {"hand", right, finger[0] - '0'};
}

}  // namespace arvan
