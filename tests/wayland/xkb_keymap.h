// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// XKB keymaps as the system makes them: compiled by libxkbcommon from the
// rules, model and layout names that a desktop's keyboard settings hold.

#include <cstdint>
#include <string>

namespace arvan::wayland {

// The keymap of `layout` on a PC keyboard, in text form, named as XKB
// names it: "us", "mn", "us(dvorak)" (a variant in brackets); throws
// std::runtime_error if the system does not know the layout.
std::string compileKeymap(const std::string& layout);

// The keysym that a keymap in text form writes with an evdev key alone
// (no modifier, first group); 0 if none.
std::uint32_t keysymOf(const std::string& keymap, std::uint32_t evdevKey);

}  // namespace arvan::wayland
