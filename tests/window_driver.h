// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Drives the real window as a learner would, through Qt's events: physical
// keys as X11 numbers them, clicks on the drawn controls and on the child
// controls' widgets, the timer's ticks; and reads what the window shows.
// The window tests, the window benchmark and the scripted session share it.

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTimerEvent>
#include <QWindow>

#include "keyboard/key_slots.h"
#include "tests/x11_keys.h"
#include "ui/form_window.h"

namespace arvan::testing {

inline QPointF centre(const Rect& r) { return {r.left + r.width / 2.0, r.top + r.height / 2.0}; }

class WindowDriver {
 public:
  explicit WindowDriver(FormWindow& window) : window_(window) {}

  // Shows the window at `size` (logical pixels) with the keyboard focus;
  // false if it was never exposed.
  bool show(QSize size) {
    window_.resize(size);
    window_.show();
    window_.activateWindow();
    window_.setFocus();
    return QTest::qWaitForWindowExposed(&window_) && QTest::qWaitForWindowActive(&window_);
  }

  // The X11 scan code (evdev + 8) of a key code; 0 for a code of no key.
  static quint32 scanCodeOf(int keyCode) { return x11KeyOf(keyCode); }
  static quint32 scanCodeOfSlot(int slot) { return x11KeyOfSlot(slot); }
  [[nodiscard]] quint32 targetScanCode() const { return scanCodeOfSlot(window_.form().targetSlot); }

  // A key event as the platform delivers it, through the window. A key
  // without a scan code comes as F13, which no table knows.
  void sendKey(QEvent::Type type, quint32 scanCode, bool autoRepeat = false) {
    const int qtKey = scanCode == 0 ? Qt::Key_F13 : 0;
    QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(window_.windowHandle(), &event);
  }
  void pressKey(quint32 scanCode, bool release = true) {
    sendKey(QEvent::KeyPress, scanCode);
    if (release) sendKey(QEvent::KeyRelease, scanCode);
  }

  // A click at the middle of a drawn control's designed rectangle.
  void clickAt(const Rect& twips) {
    QTest::mouseClick(&window_, Qt::LeftButton, {}, window_.toPixels(centre(twips)).toPoint());
  }
  // A click on a control: on its widget if it is a child control.
  void click(const Control& control) {
    if (QWidget* widget = window_.childControls().widgetOf(control)) {
      QTest::mouseClick(widget, Qt::LeftButton);
    } else {
      clickAt(control.rect);
    }
  }

  // The window's timer fires at once, however long its period.
  void tick() {
    const QTimer& timer = window_.timer();
    if (!timer.isActive()) return;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(const_cast<QTimer*>(&timer), &event);
  }

  // The colour of a drawn control near its lower-left corner, clear of any
  // caption, as the window paints it now.
  QRgb pixelAt(const Rect& twips) {
    const QImage image = window_.grab().toImage();
    const QPointF corner(twips.left + 60, twips.top + twips.height - 60);
    const QPointF at = window_.toPixels(corner) * image.devicePixelRatio();
    return image.pixel(at.toPoint()) & 0xFFFFFF;
  }

 private:
  FormWindow& window_;
};

}  // namespace arvan::testing
