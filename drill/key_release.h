// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"

namespace arvan {

// The window's key-up handler: gives a struck key back its rest look and,
// while a drill runs, shows the next target.
void keyUp(Form& form, int keyCode);

}  // namespace arvan
