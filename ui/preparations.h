// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A paint only copies what was prepared before it: captions laid out,
// shapes and pictures rendered, the style's drawings kept. They are
// prepared at a new size and when the window takes the form's changes.
// Every preparation is counted, so that a test can tell that a paint
// prepared nothing.

namespace arvan {

void countPreparation();
[[nodiscard]] long preparationsSoFar();

}  // namespace arvan
