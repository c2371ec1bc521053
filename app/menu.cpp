// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/menu.h"

#include "app/options.h"
#include "drill/check_typed_text.h"
#include "drill/run_state.h"
#include "drill/target_painting.h"

namespace arvan {
namespace {

void setMenuVisible(Form& form, bool visible) {
  for (Control* c : {&form.lblSubMenu1, &form.ShapeSubMenu1, &form.lblSubMenu2, &form.ShapeSubMenu2,
                     &form.lblSubMenu3, &form.ShapeSubMenu3}) {
    c->visible = visible;
  }
}

}  // namespace

void showMenu(Form& form) { setMenuVisible(form, true); }

void hideMenu(Form& form) { setMenuVisible(form, false); }

void enterWordTyping(Form& form, Platform& platform) {
  chooseMongolianLayout(form, platform);
  ResetKeyColours(form);
  form.Text1.visible = true;
  zeroCounts(form);
  setProgress(form, 0);
  restartClock(form, platform);
  form.Image6.visible = false;
  form.ShapeSambar.visible = true;
  hideMenu(form);
  form.Text2.visible = false;
  setProgress(form, 0);
  form.timSeconds.enabled = true;
  lockRunControls(form);
  showHandsAtRest(form);
}

void enterFreeTyping(Form& form, Platform& platform) {
  form.Image6.visible = false;
  chooseMongolianLayout(form, platform);
  form.Text2.caption = std::string(kFreeTypingPrompt);
  form.ShapeSambar.visible = false;
  hideMenu(form);
  form.Text1.visible = false;
  form.Text2.visible = true;
  lockRunControls(form);
  form.lblElapsedTime.enabled = false;
  form.timSeconds.enabled = false;
  setProgress(form, 0);
  form.elapsedTime = {};
  form.lblElapsedTime.caption = formatClock(form.elapsedTime);
  zeroCounts(form);
}

void backToIdle(Form& form, Platform& platform) {
  form.Image6.visible = true;
  ResetKeyColours(form);
  form.textPos = 1;
  highlightNextCharacter(form);
  zeroCounts(form);
  setProgress(form, 0);
  restartClock(form, platform);
  form.ShapeSambar.visible = false;
  hideMenu(form);
  form.Text1.visible = false;
  form.Text2.visible = false;
  form.timSeconds.enabled = false;
  unlockRunControls(form);
  showHandsAtRest(form);
}

}  // namespace arvan
