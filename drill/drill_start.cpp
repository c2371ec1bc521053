// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/drill_start.h"

#include "drill/key_look.h"
#include "drill/run_state.h"
#include "drill/target_painting.h"

namespace arvan {

void StartClick(Form& form, Platform& platform) {
  lockRunControls(form);
  form.lblElapsedTime.enabled = false;
  form.timSeconds.enabled = true;
  setProgress(form, 0);
  restartClock(form, platform);
  zeroCounts(form);
  platform.reseedRandom();
  form.targetSlot = drawSlot(platform);

  // A drill left through the menu keeps its flag; clear it, so that only this
  // drill's target carries one.
  clearTargetFlags(form);
  const auto target = static_cast<std::size_t>(form.targetSlot);
  form.button[target].borderStyle = kBorderInsideSolid;
  form.button[target].backColour = kRed;
  form.Back[target].backColour = kGreen;
  ShowFingerGuide(form, form.targetSlot);
  for (Control& hand : form.BGar) hand.visible = false;
  for (Control& hand : form.ZGar) hand.visible = false;
  PaintTargetKey(form, form.targetSlot);
  // Blank labels show an empty Q, unless Q was the last target revealed.
  if (form.blindMode || form.keyLabel[0].caption.empty()) {
    RevealTargetLabel(form, form.targetSlot);
  }
}

}  // namespace arvan
