#include "app/main_window.h"

#include "app/menu.h"
#include "app/options.h"
#include "app/start_up.h"
#include "drill/drill_clock.h"
#include "drill/drill_start.h"
#include "drill/key_press.h"
#include "drill/key_release.h"
#include "keyboard/key_captions.h"

namespace arvan {

FormHit::FormHit(Platform& platform) : platform_(platform) {}

void FormHit::load() { startUp(form_, platform_); }

bool FormHit::isClickable(const Control& c) const {
  const Form& f = form_;
  for (const Control* clickable :
       {&f.lblMenu1, &f.lblSubMenu1, &f.lblSubMenu2, &f.lblSubMenu3, &f.lblExit, &f.Start,
        &f.OptEng, &f.OptMon, &f.Option1, &f.Option2, &f.Option3, &f.cmdShow, &f.cmdNoView}) {
    if (&c == clickable) return true;
  }
  return false;
}

void FormHit::click(const Control& c) {
  if (!isClickable(c) || !c.visible || !c.enabled) return;
  if (const Control* frame = form_.frameOf(c); frame != nullptr && !frame->enabled) return;
  Form& f = form_;
  if (&c == &f.lblMenu1) showMenu(f);
  if (&c == &f.lblSubMenu1) enterWordTyping(f, platform_);
  if (&c == &f.lblSubMenu2) enterFreeTyping(f, platform_);
  if (&c == &f.lblSubMenu3) backToIdle(f, platform_);
  if (&c == &f.lblExit) platform_.closeWindow();
  if (&c == &f.Start) StartClick(f, platform_);
  if (&c == &f.cmdShow) showLabels(f);
  if (&c == &f.cmdNoView) blankLabels(f);
  for (Control* option : {&f.OptEng, &f.OptMon, &f.Option1, &f.Option2, &f.Option3}) {
    if (&c == option) runOptionAction(f, platform_, *option);
  }
}

void FormHit::clickBackground() { hideMenu(form_); }

void FormHit::keyDown(int keyCode) { arvan::keyDown(form_, platform_, keyCode); }

void FormHit::keyUp(int keyCode) { arvan::keyUp(form_, keyCode); }

void FormHit::tick() {
  if (form_.timSeconds.enabled) timSecondsTick(form_, platform_);
}

}  // namespace arvan
