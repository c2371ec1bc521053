// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The speed, layout and label-display actions, and the rule for option
// buttons: a learner's click runs the action every time, while selecting an
// option from code runs it only if it was not selected.

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

inline constexpr int kFastInterval = 130;
inline constexpr int kMediumInterval = 180;
inline constexpr int kSlowInterval = 250;

// The action behind a click on any of the five option buttons.
void runOptionAction(Form& form, Platform& platform, Control& option);
// Setting the option's Value to True from code.
void selectOption(Form& form, Platform& platform, Control& option);

void chooseEnglishLayout(Form& form, Platform& platform);
void chooseMongolianLayout(Form& form, Platform& platform);
void showLabels(Form& form);

}  // namespace arvan
