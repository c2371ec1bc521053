// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_release.h"

#include "drill/key_look.h"
#include "drill/target_painting.h"
#include "form/mode.h"

namespace arvan {
namespace {

bool showsPressedLook(const Form& form, int slot) {
  return form.fore[static_cast<std::size_t>(slot)].visible;
}

void drillRelease(Form& form, int keyCode) {
  const std::optional<int> slot = slotForKeyCode(keyCode);
  if (slot && showsPressedLook(form, *slot)) {
    showRestLook(form, *slot);
    ResetKeyColours(form);
    PaintTargetKey(form, form.targetSlot);
    if (form.blindMode) RevealTargetLabel(form, form.targetSlot);
  } else {
    PaintTargetKey(form, form.targetSlot);
    form.button[static_cast<std::size_t>(form.targetSlot)].borderStyle = kBorderInsideSolid;
  }
}

}  // namespace

void keyUp(Form& form, int keyCode) {
  const std::optional<int> slot = slotForKeyCode(keyCode);
  switch (modeOf(form)) {
    case Mode::FreeTyping:
    case Mode::WordTyping:
      if (slot) showRestLook(form, *slot);
      break;
    case Mode::Idle:
      // A key held while its drill ended is released here: give it back its
      // rest look rather than leave it pressed for good.
      if (slot && showsPressedLook(form, *slot)) showRestLook(form, *slot);
      break;
    case Mode::KeyDrill:
      drillRelease(form, keyCode);
      break;
  }
}

}  // namespace arvan
