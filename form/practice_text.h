// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <string_view>

namespace arvan {

// The text that word typing copies, as Text1 holds it when the window loads:
// 85 lower-case Mongolian words separated by single blanks, then a line end.
extern const std::string_view kPracticeText;

}  // namespace arvan
