// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The form's child controls as real Qt widgets: text boxes, frames with
// their option buttons, command buttons and the progress bar. Only the
// buttons take the keyboard focus, from Tab in the idle window; all are
// placed and sized with the window's scale, and brought in line with the
// form after every event. A widget is made when its
// control is first shown: the text boxes, hidden at first, cost the window's
// opening nothing.

#include <QPointF>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "form/form.h"

namespace arvan {

class ChildControls {
 public:
  using ClickHandler = std::function<void(const Control&)>;

  ChildControls(const Form& form, QWidget* window, ClickHandler onClick);

  // Places every widget for a window that shows twips at `scale` pixels
  // each, with the design's origin at `origin`.
  void layout(double scale, QPointF origin);
  // Brings every widget in line with the form, making those of controls
  // shown for the first time.
  void sync();

  // The control's widget; nullptr until the control has first been shown.
  [[nodiscard]] QWidget* widgetOf(const Control& control) const;

 private:
  struct Child {
    const Control* control;
    QWidget* widget = nullptr;
    std::string caption;  // as the widget shows it; not kept for the practice text
  };

  void makeWidgetOf(Child& child);
  void place(Child& child);
  void syncChild(Child& child);
  Child* childOf(const Control& control);

  const Form& form_;
  QWidget* window_;
  ClickHandler onClick_;
  std::vector<Child> children_;
  double scale_ = 0;  // 0 until the first layout
  QPointF origin_;
};

}  // namespace arvan
