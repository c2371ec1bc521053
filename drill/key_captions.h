// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <string_view>

#include "form/form.h"

namespace arvan {

// A caption column of the key slot table, e.g. &KeySlot::englishCaption.
using CaptionColumn = std::string_view KeySlot::*;

// Writes the captions of the 34 key labels, slot 0 to 33, from one column;
// nullptr writes the empty text.
void setKeyCaptions(Form& form, CaptionColumn column);

// The blank-labels action (cmdNoView): every key label empty and blind mode
// on, with only cmdShow left to show them again.
void blankLabels(Form& form);

}  // namespace arvan
