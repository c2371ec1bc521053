// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/options.h"

#include <array>

#include "drill/key_captions.h"

namespace arvan {
namespace {

// Marks `option` selected and the others of its frame not; returns whether it
// was selected already.
bool markSelected(Form& form, Control& option) {
  const bool wasSelected = option.value != 0;
  std::array<Control*, 3> group{};
  if (form.frameOf(option) == &form.Frame1) {
    group = {&form.Option1, &form.Option2, &form.Option3};
  } else {
    group = {&form.OptMon, &form.OptEng, nullptr};
  }
  for (Control* member : group) {
    if (member != nullptr) member->value = member == &option ? 1 : 0;
  }
  return wasSelected;
}

void chooseSpeed(Form& form, Platform& platform, Control& option, int interval) {
  platform.beep();
  markSelected(form, option);
  form.timSeconds.interval = interval;
}

void showLayoutPicture(Form& form, bool english) {
  form.ImgEng.visible = english;
  form.Dalbaa1.visible = form.Dalbaa2.visible = form.Dalbaa3.visible = !english;
}

}  // namespace

void runOptionAction(Form& form, Platform& platform, Control& option) {
  if (&option == &form.Option1) chooseSpeed(form, platform, option, kFastInterval);
  if (&option == &form.Option2) chooseSpeed(form, platform, option, kMediumInterval);
  if (&option == &form.Option3) chooseSpeed(form, platform, option, kSlowInterval);
  if (&option == &form.OptEng) chooseEnglishLayout(form, platform);
  if (&option == &form.OptMon) chooseMongolianLayout(form, platform);
}

void selectOption(Form& form, Platform& platform, Control& option) {
  if (option.value != 0) return;
  markSelected(form, option);
  runOptionAction(form, platform, option);
}

void chooseEnglishLayout(Form& form, Platform& platform) {
  markSelected(form, form.OptEng);
  showLayoutPicture(form, true);
  if (!form.blindMode) {
    platform.beep();
    setKeyCaptions(form, &KeySlot::englishCaption);
  }
}

void chooseMongolianLayout(Form& form, Platform& platform) {
  markSelected(form, form.OptMon);
  showLayoutPicture(form, false);
  if (!form.blindMode) {
    platform.beep();
    setKeyCaptions(form, &KeySlot::mongolianCaption);
  }
}

void showLabels(Form& form) {
  form.blindMode = false;
  form.cmdNoView.enabled = true;
  form.cmdShow.enabled = false;
  if (form.OptEng.value != 0) setKeyCaptions(form, &KeySlot::shownEnglishCaption);
  if (form.OptMon.value != 0) setKeyCaptions(form, &KeySlot::shownMongolianCaption);
}

}  // namespace arvan
