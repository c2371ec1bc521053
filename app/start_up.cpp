// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/start_up.h"

#include "app/options.h"

namespace arvan {

void startUp(Form& form, Platform& platform) {
  form.textPos = 1;
  selectOption(form, platform, form.Option3);
  selectOption(form, platform, form.OptEng);
  form.ImgEng.visible = true;
  form.Dalbaa1.visible = form.Dalbaa2.visible = form.Dalbaa3.visible = false;
  form.blindMode = false;
  for (int slot = 0; slot < kLabelledSlotCount; ++slot) {
    form.button[static_cast<std::size_t>(slot)].borderStyle = kBorderSolid;
  }
  form.timSeconds.enabled = false;
}

}  // namespace arvan
