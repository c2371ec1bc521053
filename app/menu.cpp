#include "app/menu.h"

#include "app/options.h"
#include "drill/check_typed_text.h"
#include "drill/run_state.h"
#include "keyboard/target_painting.h"

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
  for (Control* c : {&form.Start, &form.lblExit, &form.cmdNoView, &form.cmdShow, &form.txtCount,
                     &form.txtCountError, &form.OptEng, &form.OptMon, &form.Option1, &form.Option2,
                     &form.Option3, &form.Frame1, &form.Frame2}) {
    c->enabled = false;
  }
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
  for (Control* c : {&form.Start, &form.cmdShow, &form.cmdNoView, &form.Frame1, &form.Frame2,
                     &form.lblElapsedTime, &form.Option1, &form.Option2, &form.Option3,
                     &form.OptMon, &form.OptEng, &form.lblExit}) {
    c->enabled = false;
  }
  form.timSeconds.enabled = false;
  form.txtCount.enabled = false;
  form.txtCountError.enabled = false;
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
  for (Control* c : {&form.Start, &form.lblExit, &form.cmdNoView, &form.cmdShow, &form.txtCount,
                     &form.txtCountError, &form.OptEng, &form.OptMon, &form.Option1, &form.Option2,
                     &form.Option3, &form.Frame1, &form.Frame2}) {
    c->enabled = true;
  }
  showHandsAtRest(form);
}

}  // namespace arvan
