// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/drill_clock.h"

#include "drill/key_captions.h"
#include "drill/key_look.h"
#include "drill/run_state.h"
#include "drill/target_painting.h"

namespace arvan {

void timSecondsTick(Form& form, Platform& platform) {
  form.elapsedTime += platform.monotonicNow() - form.startTime;
  form.lblElapsedTime.caption = formatClock(form.elapsedTime);
  const int bar = form.ProgressBar1.value;
  if (bar >= 100) {
    endOfDrill(form);
  } else if (bar > 5) {
    setProgress(form, bar + 1);
  } else {
    setProgress(form, bar + 10);
  }
  form.startTime = platform.monotonicNow();
}

void endOfDrill(Form& form) {
  ResetKeyColours(form);
  if (form.blindMode) blankLabels(form);
  setProgress(form, 0);
  form.timSeconds.enabled = false;
  unlockRunControls(form);
  showHandsAtRest(form);
  clearTargetFlags(form);
}

}  // namespace arvan
