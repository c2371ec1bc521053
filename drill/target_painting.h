// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The routines that show the drill's target on the keyboard. Each takes the
// target's key slot, never changes it, and does nothing unless that slot
// carries the target flag.

#include "form/form.h"

namespace arvan {

void ShowFingerGuide(Form& form, const int& slot);
void RevealTargetLabel(Form& form, const int& slot);
void PaintTargetKey(Form& form, const int& slot);
void ResetKeyColours(Form& form);

// The hand pictures at rest and the home-key rings hidden, as an ended drill
// leaves them.
void showHandsAtRest(Form& form);

}  // namespace arvan
