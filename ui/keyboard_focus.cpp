// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/keyboard_focus.h"

#include <algorithm>

#include "form/mode.h"

namespace arvan {

KeyboardFocus::KeyboardFocus(const Form& form, const ChildControls& children, QWidget* window)
    : form_(form),
      children_(children),
      window_(window),
      // Start first: a learner with the keyboard alone starts a drill with
      // one Tab and Space.
      chain_{&form.Start,       &form.lblExit, &form.lblMenu1, &form.lblSubMenu1, &form.lblSubMenu2,
             &form.lblSubMenu3, &form.Option1, &form.Option2,  &form.Option3,     &form.OptMon,
             &form.OptEng,      &form.cmdShow, &form.cmdNoView} {}

bool KeyboardFocus::idle() const { return modeOf(form_) == Mode::Idle; }

bool KeyboardFocus::canTakeFocus(const Control& c) const {
  const Control* frame = form_.frameOf(c);
  return c.visible && c.enabled && (frame == nullptr || (frame->visible && frame->enabled));
}

const Control* KeyboardFocus::focus() const {
  if (drawn_ != nullptr) return drawn_;
  const QWidget* focused = window_->focusWidget();
  for (const Control* c : chain_) {
    if (focused != nullptr && children_.widgetOf(*c) == focused) return c;
  }
  return nullptr;
}

void KeyboardFocus::give(const Control* c, Qt::FocusReason reason) {
  const Control* before = drawn_;
  QWidget* widget = c != nullptr ? children_.widgetOf(*c) : nullptr;
  drawn_ = c != nullptr && widget == nullptr ? c : nullptr;
  if (widget != nullptr) {
    widget->setFocus(reason);
  } else if (window_->focusWidget() != window_) {
    window_->setFocus(reason);
  }
  if (before != drawn_ && onDrawnFocusChanged) onDrawnFocusChanged(before);
}

bool KeyboardFocus::move(bool forward) {
  if (!idle()) return false;
  const auto current = std::find(chain_.begin(), chain_.end(), focus());
  const auto count = static_cast<std::ptrdiff_t>(chain_.size());
  std::ptrdiff_t at = current == chain_.end() ? (forward ? -1 : count) : current - chain_.begin();
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    at = (at + (forward ? 1 : -1) + count) % count;
    if (canTakeFocus(*chain_[static_cast<std::size_t>(at)])) {
      give(chain_[static_cast<std::size_t>(at)],
           forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return true;
}

void KeyboardFocus::follow() {
  const bool idleNow = idle();
  if (!idleNow) {
    if (wasIdle_) beforeRun_ = focus();
    // Every key goes to the window's handlers.
    if (drawn_ != nullptr || window_->focusWidget() != window_) give(nullptr, Qt::OtherFocusReason);
  } else if (!wasIdle_ && beforeRun_ != nullptr) {
    give(canTakeFocus(*beforeRun_) ? beforeRun_ : &form_.Start, Qt::OtherFocusReason);
    beforeRun_ = nullptr;
  } else if (const Control* c = focus(); c != nullptr && !canTakeFocus(*c)) {
    // A menu entry hidden with the focus on it, say.
    give(canTakeFocus(form_.Start) ? &form_.Start : nullptr, Qt::OtherFocusReason);
  }
  wasIdle_ = idleNow;
}

}  // namespace arvan
