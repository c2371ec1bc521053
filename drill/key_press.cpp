// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_press.h"

#include "drill/key_captions.h"
#include "drill/key_look.h"
#include "drill/run_state.h"
#include "drill/target_painting.h"
#include "drill/typing_keys.h"
#include "form/mode.h"

namespace arvan {
namespace {

void judgeHit(Form& form, Platform& platform, int struck) {
  int next = drawSlot(platform);
  if (next == struck) next = struck == kSpaceBarSlot ? 0 : struck + 1;
  form.targetSlot = next;
  form.button[static_cast<std::size_t>(next)].borderStyle = kBorderInsideSolid;
  if (keyAt(struck).nextLabel == NextLabel::AtPress && form.blindMode) {
    RevealTargetLabel(form, form.targetSlot);
  }
  form.button[static_cast<std::size_t>(struck)].borderStyle = kBorderSolid;
  showPressedLook(form, struck);
  countHit(form);
  applyKeyProgress(form);
}

void keyDrillKeyDown(Form& form, Platform& platform, int keyCode) {
  form.textPos = 1;
  platform.reseedRandom();
  if (keyCode == kAltKeyCode) altStop(form);
  if (form.Start.enabled) return;

  const std::optional<int> slot = slotForKeyCode(keyCode);
  if (slot && isTarget(form, *slot)) {
    judgeHit(form, platform, *slot);
  } else if (keyCode != kAltKeyCode) {
    countMiss(form);
    platform.beep();
  }
}

}  // namespace

void keyDown(Form& form, Platform& platform, int keyCode) {
  switch (modeOf(form)) {
    case Mode::FreeTyping:
      freeTypingKeyDown(form, platform, keyCode);
      break;
    case Mode::WordTyping:
      wordTypingKeyDown(form, platform, keyCode);
      break;
    case Mode::KeyDrill:
    case Mode::Idle:
      keyDrillKeyDown(form, platform, keyCode);
      break;
  }
}

void altStop(Form& form) {
  unlockRunControls(form);
  form.lblElapsedTime.enabled = true;
  form.timSeconds.enabled = false;
  setProgress(form, 0);
  showHandsAtRest(form);
  clearTargetFlags(form);
  if (form.blindMode) blankLabels(form);
  ResetKeyColours(form);
}

}  // namespace arvan
