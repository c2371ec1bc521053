// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// A click on Start: lock the options, reset counters, clock and bar, start
// the timer and light a random first target.
void StartClick(Form& form, Platform& platform);

}  // namespace arvan
