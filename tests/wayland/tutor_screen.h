// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Where the tutor's window, filling the screen, shows its key faces, its
// counters and its Start label, with the design's rectangles typed in here
// rather than taken from the program, and the evdev code of each key slot.

#include <array>
#include <cstdint>
#include <vector>

#include "screenshot.h"

namespace arvan::wayland {

constexpr int kKeySlots = 35;                   // the Q row, the A row, the Z row, the space bar
constexpr std::uint32_t kLightGrey = 0xC0C0C0;  // a key face at rest
constexpr std::uint32_t kGreen = 0x00FF00;      // the face of the key to press

std::uint32_t evdevKeyOfSlot(int slot);

struct PixelPoint {
  int x;
  int y;
};

class TutorScreen {
 public:
  // The design (15000 x 10335 twips) scaled to fit a window of this size
  // and centred in it.
  TutorScreen(int width, int height);

  [[nodiscard]] PixelPoint startLabel() const;
  [[nodiscard]] std::array<std::uint32_t, kKeySlots> faceColours(const Screenshot& shot) const;
  // The inside of each counter's box.
  [[nodiscard]] std::vector<std::uint32_t> hitCounter(const Screenshot& shot) const;
  [[nodiscard]] std::vector<std::uint32_t> missCounter(const Screenshot& shot) const;

 private:
  [[nodiscard]] PixelPoint toPixels(double x, double y) const;
  [[nodiscard]] std::vector<std::uint32_t> counterBox(const Screenshot& shot, double x,
                                                      double y) const;

  double scale_;
  double originX_;
  double originY_;
};

// The slots whose face shows `colour`.
std::vector<int> slotsColoured(const std::array<std::uint32_t, kKeySlots>& faces,
                               std::uint32_t colour);

}  // namespace arvan::wayland
