// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <array>

#include "form/form.h"

namespace arvan {

// The 52 keys that are never drilled, row by row, as designed: each an
// outline, a face and a caption label or symbol image.
[[nodiscard]] std::array<DecorativeKey, kDecorativeKeyCount> makeDecorativeKeys();

}  // namespace arvan
