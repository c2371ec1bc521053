// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// Runs once as the window loads, before it is first shown, and leaves the
// window idle: slow speed, English layout, labels shown, timer off.
void startUp(Form& form, Platform& platform);

}  // namespace arvan
