// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <string>

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// Judges one typed character against the practice text at the 1-based
// character position `pos`: a right one moves the highlight on and counts a
// hit; a wrong one beeps, counts a miss, steps `pos` back and pushes the bar.
void CheckTypedText(Form& form, Platform& platform, const std::string& ch, int& pos);

// Text1's highlight marks the character at textPos, the next one to type.
void highlightNextCharacter(Form& form);

}  // namespace arvan
