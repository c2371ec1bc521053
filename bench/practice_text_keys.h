// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The physical keys that copy the practice text, as X11 numbers them (the
// evdev code plus 8: XTEST's key codes and Qt's native scan codes); Enter
// for a character that no key slot types, the line break.

#include <cstdint>
#include <string_view>
#include <vector>

#include "form/practice_text.h"
#include "keyboard/key_slots.h"
#include "tests/x11_keys.h"

namespace arvan::bench {

inline std::vector<std::uint32_t> practiceTextKeys() {
  std::vector<std::uint32_t> keys;
  std::string_view text = kPracticeText;
  while (!text.empty()) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
      ++length;
    }
    const std::optional<int> slot = slotTyping(text.substr(0, length));
    keys.push_back(slot ? testing::x11KeyOfSlot(*slot) : testing::kEnterX11Key);
    text.remove_prefix(length);
  }
  return keys;
}

}  // namespace arvan::bench
