// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"

namespace arvan {

// A key's look lives in its shapes and label: at rest the face shows and the
// label stands at its designed place; pressed, the yellow highlight shows and
// the label stands 30 twips lower. The label's offset is part of the look, so
// however many presses and releases arrive, a label is in one of two places.
void showPressedLook(Form& form, int slot);
void showRestLook(Form& form, int slot);

[[nodiscard]] bool isTarget(const Form& form, int slot);
void clearTargetFlags(Form& form);

}  // namespace arvan
