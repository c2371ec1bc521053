// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// FormHit: the window's behaviour, one entry per event. It owns the form and
// is given the platform services; it knows nothing of any toolkit.

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

class FormHit {
 public:
  explicit FormHit(Platform& platform);

  [[nodiscard]] const Form& form() const { return form_; }

  void load();
  // A click on a control of this form. Only the controls with a click
  // handler react, and a hidden or disabled control raises no click.
  void click(const Control& control);
  // A click on a point that no label, image or child control covers.
  void clickBackground();
  void keyDown(int keyCode);
  void keyUp(int keyCode);
  void tick();

  // Whether a click on this control reaches a handler of its own.
  [[nodiscard]] bool isClickable(const Control& control) const;

 private:
  Form form_;
  Platform& platform_;
};

}  // namespace arvan
