// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/typing_keys.h"

#include "drill/check_typed_text.h"
#include "drill/key_look.h"
#include "drill/run_state.h"

namespace arvan {
namespace {

// The space bar draws a new targetSlot in both modes, without marking a key.
void drawSpaceBarTarget(Form& form, Platform& platform) {
  const int slot = drawSlot(platform);
  form.targetSlot = slot == kSpaceBarSlot ? 0 : slot;
}

}  // namespace

void freeTypingKeyDown(Form& form, Platform& platform, int keyCode) {
  const std::optional<int> slot = slotForKeyCode(keyCode);
  if (!slot) return;
  if (*slot == kSpaceBarSlot) drawSpaceBarTarget(form, platform);
  showPressedLook(form, *slot);
  if (typesNothing(*slot)) {
    countHit(form);
  } else {
    form.Text2.caption += keyAt(*slot).typedChar;
  }
}

void wordTypingKeyDown(Form& form, Platform& platform, int keyCode) {
  // A key after a run has ended starts the next one; the pause in between
  // is no time spent typing, so the clock goes on from now.
  if (!form.timSeconds.enabled) form.startTime = platform.monotonicNow();
  form.timSeconds.enabled = true;
  const std::optional<int> slot = slotForKeyCode(keyCode);
  if (!slot) return;
  if (*slot == kSpaceBarSlot) drawSpaceBarTarget(form, platform);
  showPressedLook(form, *slot);
  if (typesNothing(*slot)) {
    countHit(form);
  } else {
    form.typedChar = std::string(keyAt(*slot).typedChar);
    CheckTypedText(form, platform, form.typedChar, form.textPos);
    ++form.textPos;
  }
  applyKeyProgress(form);
}

}  // namespace arvan
