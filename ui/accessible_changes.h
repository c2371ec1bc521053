// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Tells assistive technology what an event of the window changed, so that a
// screen reader can speak it: the counts, the clock, the pressure bar, the
// drill's target, the next character to type, a control shown, hidden,
// enabled or disabled, the keyboard focus on a drawn control. While no
// assistive technology listens it does nothing.

#include <QAccessible>
#include <QString>
#include <unordered_map>

namespace arvan {

class FormWindow;

class AccessibleChanges {
 public:
  explicit AccessibleChanges(FormWindow& window) : window_(window) {}

  // After every event: compares each object with what it was last time.
  void announce();

 private:
  struct Seen {
    QString name;
    QString value;
    QAccessible::State state;
    int characters = 0;  // text boxes: the length and the next character
    int caret = 0;
  };
  void compare(QAccessibleInterface* object);

  FormWindow& window_;
  std::unordered_map<QAccessibleInterface*, Seen> seen_;
  QAccessibleInterface* focused_ = nullptr;
};

}  // namespace arvan
