// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The keyboard focus of the idle window. Tab and Shift+Tab walk through the
// controls that a learner can use there, drawn labels (Start, Exit, the
// menu) and child controls (the options, the two label buttons) alike, and
// Space or Enter activates the one that has it. A child control takes Qt's
// focus itself; a drawn label has it in the window's name, which then holds
// Qt's focus and draws a ring around the label. In a key drill and in the
// typing modes nothing holds the focus: every key reaches the window's key
// handlers. When the window is idle again, the focus comes back to where it
// was, or to Start.

#include <QWidget>
#include <functional>
#include <vector>

#include "form/form.h"
#include "ui/child_controls.h"

namespace arvan {

class KeyboardFocus {
 public:
  KeyboardFocus(const Form& form, const ChildControls& children, QWidget* window);

  // Moves the focus to the next control, or the previous one; false where
  // the window is not idle, so that Tab reaches the key handlers.
  bool move(bool forward);
  // The drawn control that has the focus, or nullptr.
  [[nodiscard]] const Control* drawnFocus() const { return drawn_; }
  // The control that has the focus, drawn or child; nullptr if none.
  [[nodiscard]] const Control* focus() const;
  // Brings the focus in line with the form, after every event.
  void follow();

  // Called when a drawn control takes or loses the focus, with the control
  // that had it before.
  std::function<void(const Control* before)> onDrawnFocusChanged;

 private:
  [[nodiscard]] bool idle() const;
  [[nodiscard]] bool canTakeFocus(const Control& c) const;
  void give(const Control* c, Qt::FocusReason reason);

  const Form& form_;
  const ChildControls& children_;
  QWidget* window_;
  std::vector<const Control*> chain_;  // in the order Tab walks it
  const Control* drawn_ = nullptr;
  const Control* beforeRun_ = nullptr;  // what had the focus when a run began
  bool wasIdle_ = true;
};

}  // namespace arvan
