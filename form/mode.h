// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include "form/form.h"

namespace arvan {

enum class Mode { FreeTyping, WordTyping, KeyDrill, Idle };

// No variable holds the mode; it is read off the controls, in this order.
[[nodiscard]] inline Mode modeOf(const Form& form) {
  if (form.Text2.visible) return Mode::FreeTyping;
  if (form.Text1.visible) return Mode::WordTyping;
  return form.Start.enabled ? Mode::Idle : Mode::KeyDrill;
}

}  // namespace arvan
