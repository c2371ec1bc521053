// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// The window's key-down handler: the mode is read off the controls, then the
// key goes to free typing, word typing or the key drill.
void keyDown(Form& form, Platform& platform, int keyCode);

// Alt ends a drill at once (and tidies the window when none runs).
void altStop(Form& form);

}  // namespace arvan
