#pragma once

// The form's child controls as real Qt widgets: text boxes, frames with
// their option buttons, command buttons and the progress bar. They never take
// the keyboard focus, are placed and sized with the window's scale, and are
// brought in line with the form after every event.

#include <QPointF>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/form.h"

namespace arvan {

class ChildControls {
 public:
  using ClickHandler = std::function<void(const Control&)>;

  ChildControls(const Form& form, QWidget* window, ClickHandler onClick);

  // Places every widget for a window that shows twips at `scale` pixels
  // each, with the design's origin at `origin`.
  void layout(double scale, QPointF origin);
  void sync();

  [[nodiscard]] QWidget* widgetOf(const Control& control) const;
  [[nodiscard]] bool isChildControl(const QWidget* widget) const;

 private:
  struct Child {
    const Control* control;
    QWidget* widget;
    Control shown;  // the state last given to the widget
  };

  void syncChild(Child& child, bool force);

  const Form& form_;
  std::vector<Child> children_;
};

}  // namespace arvan
