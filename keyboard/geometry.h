// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <cstdint>

namespace arvan {

// Positions and sizes are in twips (1/1440 inch, 15 to a pixel at 96 dpi),
// measured from the top-left corner of the window's client area. A border's
// width is given in pixels of that size, and a font's size in points.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerPoint = 20;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  [[nodiscard]] constexpr int right() const { return left + width; }
  [[nodiscard]] constexpr int bottom() const { return top + height; }
  [[nodiscard]] constexpr bool contains(Point p) const {
    return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as the window stores it: 0x00BBGGRR, or one of the system colours
// below (top bit set), which the front end resolves from the desktop's palette.
using Colour = std::uint32_t;

inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kNavy = 0x800000;
inline constexpr Colour kLightBlue = 0xFF8080;
inline constexpr Colour kLightGrey = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

inline constexpr Colour kSystemColourFlag = 0x80000000;
inline constexpr Colour kSystemWindowText = kSystemColourFlag | 8;
inline constexpr Colour kSystemHighlightText = kSystemColourFlag | 14;

}  // namespace arvan
