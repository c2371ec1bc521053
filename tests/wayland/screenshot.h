// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The compositor's whole screen, as grim reads it.

#include <cstdint>
#include <string>
#include <vector>

namespace arvan::wayland {

class Screenshot {
 public:
  // Runs `grim -t ppm -`; throws std::runtime_error if it fails.
  static Screenshot take();

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  // 0xRRGGBB; black outside the screen.
  [[nodiscard]] std::uint32_t pixel(int x, int y) const;
  // The pixels of a rectangle, row by row.
  [[nodiscard]] std::vector<std::uint32_t> area(int left, int top, int width, int height) const;
  // Writes it as a PPM picture, for a look after a failure.
  void save(const std::string& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<unsigned char> rgb_;
};

}  // namespace arvan::wayland
