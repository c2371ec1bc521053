// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_captions.h"

namespace arvan {

void setKeyCaptions(Form& form, CaptionColumn column) {
  for (std::size_t slot = 0; slot < kLabelledSlotCount; ++slot) {
    form.keyLabel[slot].caption =
        column == nullptr ? std::string() : std::string(kKeySlots[slot].*column);
  }
}

void blankLabels(Form& form) {
  form.blindMode = true;
  form.cmdNoView.enabled = false;
  form.cmdShow.enabled = true;
  setKeyCaptions(form, nullptr);
}

}  // namespace arvan
