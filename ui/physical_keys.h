// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Turns a physical key into the key code that the tutor's handlers take (the
// Windows virtual-key code of the US layout), so that the drill trains key
// positions whatever layout the operating system has active.

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace arvan {

enum class ScanCodeSet {
  Xkb,     // X11 and Wayland: the evdev code plus 8 (Q is 24)
  PcSet1,  // Windows: the PC set-1 scan code (Q is 0x10)
};

// The key code of a scan code, or none for a code that the table lacks.
[[nodiscard]] std::optional<int> keyCodeFromScanCode(ScanCodeSet set, std::uint32_t scanCode);

// The scan code of a key code, or none for a code of no physical key.
[[nodiscard]] std::optional<std::uint32_t> scanCodeOf(ScanCodeSet set, int keyCode);

// Where no scan code comes: from Qt's key value (Latin letters, US
// punctuation, the Mongolian Cyrillic letters of the key table).
[[nodiscard]] std::optional<int> keyCodeFromQtKey(int qtKey);

// The key code of a Qt key event: from its native scan code where the
// platform gives one, otherwise from Qt's key value. A key that neither
// table knows still arrives, as a code that belongs to no key slot.
[[nodiscard]] std::optional<int> keyCodeOf(const QKeyEvent& event);

}  // namespace arvan
