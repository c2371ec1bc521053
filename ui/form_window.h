// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The tutor's one window. It turns Qt's events into the window's events (a
// physical key into its key code, a mouse click into "this control was
// clicked", the timer into a tick), hands them to FormHit, and then repaints
// what changed.

#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "ui/accessible_changes.h"
#include "ui/child_controls.h"
#include "ui/design_placement.h"
#include "ui/form_painter.h"
#include "ui/keyboard_focus.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"

namespace arvan {

class FormWindow : public QWidget {
 public:
  // `platform` may be given by tests; by default the window uses the real one.
  explicit FormWindow(Platform* platform = nullptr, QWidget* parent = nullptr);
  ~FormWindow() override;

  [[nodiscard]] const Form& form() const { return formHit_.form(); }
  [[nodiscard]] const ChildControls& childControls() const { return *children_; }
  [[nodiscard]] const QTimer& timer() const { return timer_; }
  // Twips to pixels and back, for the current window size.
  [[nodiscard]] double scale() const { return placement_.scale; }
  [[nodiscard]] QPointF toPixels(QPointF twips) const { return placement_.toPixels(twips); }
  [[nodiscard]] const KeyboardFocus& keyboardFocus() const { return *focus_; }
  [[nodiscard]] bool isClickable(const Control& control) const {
    return formHit_.isClickable(control);
  }
  // Where a windowless control is drawn, in the window's pixels.
  [[nodiscard]] QRectF pixelRectOf(const Control& control) const;
  // A click on a control, as from the mouse: drawn or child.
  void activate(const Control& control);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // After every event: repaint what changed and bring widgets and timer in
  // line with the form.
  void refresh();
  [[nodiscard]] const Control* controlAt(QPointF pixels) const;
  // Where the ring around a drawn control with the keyboard focus is drawn.
  [[nodiscard]] QRect focusRingOf(const Control& control) const;

  std::unique_ptr<QtPlatform> ownPlatform_;
  FormHit formHit_;
  Pictures pictures_;
  FormPainter painter_;
  std::unique_ptr<ChildControls> children_;
  std::unique_ptr<KeyboardFocus> focus_;
  AccessibleChanges accessibleChanges_{*this};
  int armedKey_ = 0;  // Space or Enter held down on a drawn control with the focus
  QTimer timer_;
  const bool onX11_;
  QTimer settle_;  // X11 only: see the constructor
  DesignPlacement placement_;
  const Control* pressed_ = nullptr;
  bool pressedBackground_ = false;
};

}  // namespace arvan
