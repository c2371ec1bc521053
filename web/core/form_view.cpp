// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/form_view.h"

#include <algorithm>

namespace arvan {

FormView::FormView(const Form& form)
    : form_(form), controls_(form.controlsInDrawingOrder()), shownTimer_(form.timSeconds) {
  shown_.reserve(controls_.size());
  for (const Control* c : controls_) shown_.push_back(*c);
}

int FormView::indexOf(const Control* control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

std::vector<int> FormView::takeChanged() {
  std::vector<int> changed;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (*controls_[i] == shown_[i]) continue;
    shown_[i] = *controls_[i];
    changed.push_back(static_cast<int>(i));
  }
  return changed;
}

bool FormView::takeTimerChange(Timer& now) {
  now = form_.timSeconds;
  if (now == shownTimer_) return false;
  shownTimer_ = now;
  return true;
}

}  // namespace arvan
