// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/main_window.h"

#include <array>

#include "app/menu.h"
#include "app/options.h"
#include "app/start_up.h"
#include "drill/drill_clock.h"
#include "drill/drill_start.h"
#include "drill/key_captions.h"
#include "drill/key_press.h"
#include "drill/key_release.h"

namespace arvan {
namespace {

using ClickAction = void (*)(Form& form, Platform& platform, Control& clicked);

struct Clickable {
  Control Form::*control;
  ClickAction action;
};

// The controls that have a click handler of their own, with that handler.
constexpr std::array<Clickable, 13> kClickables{{
    {&Form::lblMenu1, [](Form& f, Platform&, Control&) { showMenu(f); }},
    {&Form::lblSubMenu1, [](Form& f, Platform& p, Control&) { enterWordTyping(f, p); }},
    {&Form::lblSubMenu2, [](Form& f, Platform& p, Control&) { enterFreeTyping(f, p); }},
    {&Form::lblSubMenu3, [](Form& f, Platform& p, Control&) { backToIdle(f, p); }},
    {&Form::lblExit, [](Form&, Platform& p, Control&) { p.closeWindow(); }},
    {&Form::Start, [](Form& f, Platform& p, Control&) { StartClick(f, p); }},
    {&Form::cmdShow, [](Form& f, Platform&, Control&) { showLabels(f); }},
    {&Form::cmdNoView, [](Form& f, Platform&, Control&) { blankLabels(f); }},
    {&Form::OptEng, runOptionAction},
    {&Form::OptMon, runOptionAction},
    {&Form::Option1, runOptionAction},
    {&Form::Option2, runOptionAction},
    {&Form::Option3, runOptionAction},
}};

const Clickable* clickableFor(const Form& form, const Control& control) {
  for (const Clickable& clickable : kClickables) {
    if (&(form.*clickable.control) == &control) return &clickable;
  }
  return nullptr;
}

}  // namespace

FormHit::FormHit(Platform& platform) : platform_(platform) {}

void FormHit::load() { startUp(form_, platform_); }

bool FormHit::isClickable(const Control& c) const { return clickableFor(form_, c) != nullptr; }

void FormHit::click(const Control& c) {
  const Clickable* clickable = clickableFor(form_, c);
  if (clickable == nullptr || !c.visible || !c.enabled) return;
  if (const Control* frame = form_.frameOf(c); frame != nullptr && !frame->enabled) return;
  clickable->action(form_, platform_, form_.*clickable->control);
}

void FormHit::clickBackground() { hideMenu(form_); }

void FormHit::keyDown(int keyCode) { arvan::keyDown(form_, platform_, keyCode); }

void FormHit::keyUp(int keyCode) { arvan::keyUp(form_, keyCode); }

void FormHit::tick() {
  if (form_.timSeconds.enabled) timSecondsTick(form_, platform_);
}

}  // namespace arvan
