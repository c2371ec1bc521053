// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The keys that the tests and the benchmarks press, as X11 numbers them:
// the evdev code plus 8, which XTEST takes and Qt gives as the native scan
// code. Typed in from the PC keyboard's layout, not taken from the program.

#include <array>
#include <cstdint>
#include <optional>

#include "keyboard/key_slots.h"

namespace arvan::testing {

// The key slots' keys, in slot order: the Q row, the A row, the Z row, the
// space bar.
inline constexpr std::array<std::uint32_t, kSlotCount> kSlotX11Keys{
    24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 51, 38, 39, 40, 41, 42,
    43, 44, 45, 46, 47, 48, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 65};
inline constexpr std::uint32_t kAltX11Key = 64;
inline constexpr std::uint32_t kEnterX11Key = 36;

inline std::uint32_t x11KeyOfSlot(int slot) {
  return kSlotX11Keys.at(static_cast<std::size_t>(slot));
}

// The key of a key code: a slot's, Alt or Enter; 0 for any other code.
inline std::uint32_t x11KeyOf(int keyCode) {
  constexpr int kEnterKeyCode = 13;
  if (keyCode == kAltKeyCode) return kAltX11Key;
  if (keyCode == kEnterKeyCode) return kEnterX11Key;
  const std::optional<int> slot = slotForKeyCode(keyCode);
  return slot ? x11KeyOfSlot(*slot) : 0;
}

}  // namespace arvan::testing
