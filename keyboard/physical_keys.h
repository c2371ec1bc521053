// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The keys of a PC keyboard by position, and the key code each gives: the
// Windows virtual-key code of the US layout. Front ends name a key by its
// position (a scan code, or a browser's name for it), so that the drill
// trains key positions whatever layout the operating system has active;
// where a platform gives no position, by the character the key wrote.

#include <cstdint>
#include <optional>
#include <string_view>

namespace arvan {

enum class ScanCodeSet {
  Xkb,     // X11 and Wayland: the evdev code plus 8 (Q is 24)
  PcSet1,  // Windows: the PC set-1 scan code (Q is 0x10)
};

// The key code of a scan code, or none for a code that the table lacks.
[[nodiscard]] std::optional<int> keyCodeFromScanCode(ScanCodeSet set, std::uint32_t scanCode);

// The key code of a browser's name for a key position ("KeyQ" is 81).
[[nodiscard]] std::optional<int> keyCodeFromPositionName(std::string_view name);

// The key code of a key that writes no character, by a browser's name for
// the key's meaning (KeyboardEvent.key): "Alt" and "AltGraph" are 18,
// "Shift" 16, "Control" 17, "Enter" 13, "Escape" 27.
[[nodiscard]] std::optional<int> keyCodeFromKeyName(std::string_view name);

// The key that writes `character` (one character in UTF-8, either case):
// Latin letters, digits and US punctuation as the US layout places them,
// the Mongolian Cyrillic letters as the key table captions them.
[[nodiscard]] std::optional<int> keyCodeWriting(std::string_view character);

}  // namespace arvan
