// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <optional>

class QKeyEvent;

namespace arvan {

// The key code of a Qt key event: from its native scan code where the
// platform gives one, otherwise from Qt's key value. A key that neither
// table knows still arrives, as a code that belongs to no key slot.
[[nodiscard]] std::optional<int> keyCodeOf(const QKeyEvent& event);

inline constexpr int kUnknownKeyCode = 0;

}  // namespace arvan
