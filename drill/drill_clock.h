// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// The tick of timSeconds: the clock adds the time since the last tick, the
// bar fills, and the tick that finds the bar full ends the run.
void timSecondsTick(Form& form, Platform& platform);

void endOfDrill(Form& form);

}  // namespace arvan
