// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// Key-downs of the two typing modes: free typing writes each key's letter
// into Text2; word typing checks it against the practice text in Text1.
void freeTypingKeyDown(Form& form, Platform& platform, int keyCode);
void wordTypingKeyDown(Form& form, Platform& platform, int keyCode);

}  // namespace arvan
