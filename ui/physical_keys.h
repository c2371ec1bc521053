// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Turns a Qt key event into the key code that the tutor's handlers take.

#include <optional>

#include "keyboard/physical_keys.h"

class QKeyEvent;

namespace arvan {

// Where no scan code comes: from Qt's key value (Latin letters, US
// punctuation, the Mongolian Cyrillic letters of the key table).
[[nodiscard]] std::optional<int> keyCodeFromQtKey(int qtKey);

// The key code of a Qt key event: from its native scan code where the
// platform gives one, otherwise from Qt's key value. A key that neither
// table knows still arrives, as a code that belongs to no key slot.
[[nodiscard]] std::optional<int> keyCodeOf(const QKeyEvent& event);

}  // namespace arvan
