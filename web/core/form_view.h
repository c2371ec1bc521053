// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// What a page needs to show the form: every control in drawing order, each
// under its index there, and after each event the indices of the controls
// that changed since the page last looked. It decides nothing; it only
// compares the form with what it last handed out.

#include <vector>

#include "form/form.h"

namespace arvan {

class FormView {
 public:
  explicit FormView(const Form& form);

  // Bottom first: the windowless controls as they stack, then the child
  // controls, as Form::controlsInDrawingOrder gives them.
  [[nodiscard]] const std::vector<const Control*>& controls() const { return controls_; }

  // The index of a control in drawing order, or -1.
  [[nodiscard]] int indexOf(const Control* control) const;

  // The controls that differ from when they were last handed out, in
  // drawing order; from now on they count as handed out as they are.
  [[nodiscard]] std::vector<int> takeChanged();

  // The timer as last handed out, and whether it changed since.
  [[nodiscard]] bool takeTimerChange(Timer& now);

 private:
  const Form& form_;
  std::vector<const Control*> controls_;
  std::vector<Control> shown_;
  Timer shownTimer_;
};

}  // namespace arvan
