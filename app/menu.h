// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The menu in the window's top-left corner and its three entries, which
// switch the window between its modes.

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

void showMenu(Form& form);
void hideMenu(Form& form);
void enterWordTyping(Form& form, Platform& platform);
void enterFreeTyping(Form& form, Platform& platform);
void backToIdle(Form& form, Platform& platform);

inline constexpr std::string_view kFreeTypingPrompt =
    "Алив бичээд байгаарай                                       ";

}  // namespace arvan
