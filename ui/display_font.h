// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <QFont>
#include <QString>

#include "app/control.h"

namespace arvan {

// The face for all display text: "Arial Mon" where installed, otherwise the
// first sans-serif face that draws every Mongolian Cyrillic letter.
[[nodiscard]] QString displayFamily();

// The family of a control's font: the desktop's own, or the display face.
[[nodiscard]] QString familyOf(const Font& font);

// A control's font with its size in twips (a point is 20 twips), for
// drawing in the window's twip coordinates.
[[nodiscard]] QFont fontInTwips(const Font& font);

}  // namespace arvan
