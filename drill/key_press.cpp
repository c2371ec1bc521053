#include "drill/key_press.h"

#include "app/mode.h"
#include "drill/run_state.h"
#include "drill/typing_keys.h"
#include "keyboard/key_captions.h"
#include "keyboard/key_look.h"
#include "keyboard/target_painting.h"

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
  for (Control* c : {&form.Start, &form.lblExit, &form.cmdNoView, &form.cmdShow}) {
    c->enabled = true;
  }
  form.timSeconds.enabled = false;
  setProgress(form, 0);
  for (Control* c : {&form.txtCountError, &form.txtCount, &form.OptMon, &form.OptEng, &form.Option1,
                     &form.Option2, &form.Option3, &form.Frame1, &form.Frame2}) {
    c->enabled = true;
  }
  showHandsAtRest(form);
  form.lblElapsedTime.enabled = true;
  clearTargetFlags(form);
  if (form.blindMode) blankLabels(form);
  ResetKeyColours(form);
}

}  // namespace arvan
