// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/target_painting.h"

#include "drill/key_captions.h"
#include "drill/key_look.h"

namespace arvan {

void ShowFingerGuide(Form& form, const int& slot) {
  if (!isTarget(form, slot)) return;
  const FingerPicture finger = keyAt(slot).finger;
  for (int n = 0; n < kHandPictureCount; ++n) {
    const bool thumbs = finger.hand == Hand::BothThumbs && n == 1;
    const auto i = static_cast<std::size_t>(n);
    form.ZGar[i].visible = thumbs || (finger.hand == Hand::Left && finger.finger == n);
    form.BGar[i].visible = thumbs || (finger.hand == Hand::Right && finger.finger == n);
  }
}

void RevealTargetLabel(Form& form, const int& slot) {
  CaptionColumn column = nullptr;
  if (form.OptEng.value != 0) {
    column = &KeySlot::englishCaption;
  } else if (form.OptMon.value != 0) {
    column = &KeySlot::mongolianCaption;
  } else {
    return;
  }
  if (!isTarget(form, slot)) return;
  blankLabels(form);
  form.cmdShow.enabled = false;
  if (slot < kLabelledSlotCount) {
    form.keyLabel[static_cast<std::size_t>(slot)].caption = std::string(keyAt(slot).*column);
  }
}

void PaintTargetKey(Form& form, const int& slot) {
  if (form.Start.enabled || !isTarget(form, slot)) return;
  const KeySlot& key = keyAt(slot);
  form.button[static_cast<std::size_t>(slot)].backColour = kRed;
  if (key.homeSlot) form.button[static_cast<std::size_t>(*key.homeSlot)].backColour = kGrey;
  form.Back[static_cast<std::size_t>(slot)].backColour = kGreen;
  ShowFingerGuide(form, slot);
  const std::optional<int> ring = ringOfTarget(slot);
  for (int n = 0; n < kHomeKeyCount; ++n) {
    form.toirog[static_cast<std::size_t>(n)].visible = ring == n;
  }
}

void ResetKeyColours(Form& form) {
  for (Control& face : form.Back) face.backColour = kLightGrey;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    form.button[static_cast<std::size_t>(slot)].backColour = restOutlineColour(slot);
  }
}

void showHandsAtRest(Form& form) {
  for (int n = 0; n < kHandPictureCount; ++n) {
    form.BGar[static_cast<std::size_t>(n)].visible = n == 0;
  }
  for (int n = 0; n < kHandPictureCount; ++n) {
    form.ZGar[static_cast<std::size_t>(n)].visible = n == 0;
  }
  for (Control& ring : form.toirog) ring.visible = false;
}

}  // namespace arvan
