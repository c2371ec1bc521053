// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// The form as the page reads it, in JSON: one object per control with every
// property the page shows it by (lengths and font sizes in twips, 0x00BBGGRR colours), and
// after an event the controls that changed and the timer.

#include <string>
#include <vector>

#include "app/main_window.h"
#include "web/core/form_view.h"

namespace arvan {

// Every control in drawing order: [{"name": "lblMenu1", "kind": "label", ...}, ...].
[[nodiscard]] std::string describeControls(const FormHit& hit, const FormView& view);

// {"changed": [{"index": 3, ...}], "timer": {"enabled": true, "interval": 250}};
// the timer only when it changed. Takes the changes from `view`.
[[nodiscard]] std::string describeChanges(const FormHit& hit, FormView& view);

}  // namespace arvan
