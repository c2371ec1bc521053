// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "tutor_screen.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <cmath>

namespace arvan::wayland {
namespace {

constexpr double kDesignWidth = 15000;
constexpr double kDesignHeight = 10335;

// clang-format off
constexpr std::array<std::uint32_t, kKeySlots> kEvdevKeys{
    KEY_Q, KEY_W, KEY_E, KEY_R, KEY_T, KEY_Y, KEY_U, KEY_I, KEY_O, KEY_P, KEY_LEFTBRACE,
    KEY_RIGHTBRACE, KEY_BACKSLASH,
    KEY_A, KEY_S, KEY_D, KEY_F, KEY_G, KEY_H, KEY_J, KEY_K, KEY_L, KEY_SEMICOLON, KEY_APOSTROPHE,
    KEY_Z, KEY_X, KEY_C, KEY_V, KEY_B, KEY_N, KEY_M, KEY_COMMA, KEY_DOT, KEY_SLASH,
    KEY_SPACE,
};
// clang-format on

// A face's top left corner, in twips: keys 840 twips apart in rows that
// start further right as they go down.
struct Twips {
  double x;
  double y;
};
Twips faceCorner(int slot) {
  if (slot < 13) return {2520.0 + 840 * slot, 7125};
  if (slot < 24) return {2880.0 + 840 * (slot - 13), 7845};
  if (slot < 34) return {3240.0 + 840 * (slot - 24), 8565};
  return {5640, 9300};
}

// The counters' boxes, 615 x 375 twips each.
constexpr Twips kMissBox{13200, 3480};
constexpr Twips kHitBox{13200, 3960};
constexpr Twips kBoxSize{615, 375};

}  // namespace

std::uint32_t evdevKeyOfSlot(int slot) { return kEvdevKeys.at(static_cast<std::size_t>(slot)); }

TutorScreen::TutorScreen(int width, int height)
    : scale_(std::min(width / kDesignWidth, height / kDesignHeight)),
      originX_((width - kDesignWidth * scale_) / 2),
      originY_((height - kDesignHeight * scale_) / 2) {}

PixelPoint TutorScreen::toPixels(double x, double y) const {
  return {static_cast<int>(std::floor(originX_ + x * scale_)),
          static_cast<int>(std::floor(originY_ + y * scale_))};
}

PixelPoint TutorScreen::startLabel() const { return toPixels(9240 + 720 / 2, 3600 + 225 / 2); }

std::array<std::uint32_t, kKeySlots> TutorScreen::faceColours(const Screenshot& shot) const {
  std::array<std::uint32_t, kKeySlots> colours{};
  for (int slot = 0; slot < kKeySlots; ++slot) {
    // Low on the face's left, clear of its caption.
    const Twips corner = faceCorner(slot);
    const PixelPoint p = toPixels(corner.x + 60, corner.y + 400);
    colours[static_cast<std::size_t>(slot)] = shot.pixel(p.x, p.y);
  }
  return colours;
}

std::vector<std::uint32_t> TutorScreen::counterBox(const Screenshot& shot, double x,
                                                   double y) const {
  // Three pixels in from each edge: the box's frame stays out.
  constexpr int kInset = 3;
  const PixelPoint corner = toPixels(x, y);
  const PixelPoint end = toPixels(x + kBoxSize.x, y + kBoxSize.y);
  return shot.area(corner.x + kInset, corner.y + kInset, end.x - corner.x - 2 * kInset,
                   end.y - corner.y - 2 * kInset);
}

std::vector<std::uint32_t> TutorScreen::hitCounter(const Screenshot& shot) const {
  return counterBox(shot, kHitBox.x, kHitBox.y);
}

std::vector<std::uint32_t> TutorScreen::missCounter(const Screenshot& shot) const {
  return counterBox(shot, kMissBox.x, kMissBox.y);
}

std::vector<int> slotsColoured(const std::array<std::uint32_t, kKeySlots>& faces,
                               std::uint32_t colour) {
  std::vector<int> slots;
  for (int slot = 0; slot < kKeySlots; ++slot) {
    if (faces[static_cast<std::size_t>(slot)] == colour) slots.push_back(slot);
  }
  return slots;
}

}  // namespace arvan::wayland
