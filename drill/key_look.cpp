// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_look.h"

namespace arvan {
namespace {

void setLook(Form& form, int slot, bool pressed) {
  const auto i = static_cast<std::size_t>(slot);
  form.Back[i].visible = !pressed;
  form.fore[i].visible = pressed;
  if (slot < kLabelledSlotCount) {
    form.keyLabel[i].rect.top = labelRestPosition(slot).y + (pressed ? kPressedLabelDrop : 0);
  }
}

}  // namespace

void showPressedLook(Form& form, int slot) { setLook(form, slot, true); }

void showRestLook(Form& form, int slot) { setLook(form, slot, false); }

bool isTarget(const Form& form, int slot) {
  return form.button[static_cast<std::size_t>(slot)].borderStyle == kBorderInsideSolid;
}

void clearTargetFlags(Form& form) {
  for (Control& outline : form.button) outline.borderStyle = kBorderSolid;
}

}  // namespace arvan
