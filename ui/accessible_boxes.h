// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// What assistive technology sees of the window's own kinds of child
// control: a counter with its count, the pressure bar with its value, and a
// text box as read-only text whose caret is the next character to type.

#include <QAccessibleWidget>

#include "ui/pressure_bar.h"
#include "ui/text_boxes.h"

namespace arvan {

class CountAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit CountAccessible(LineBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return {}; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  [[nodiscard]] const LineBox& box() const { return *static_cast<const LineBox*>(widget()); }
};

class PressureBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PressureBarAccessible(PressureBar* bar)
      : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QVariant currentValue() const override { return bar().value(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  [[nodiscard]] const PressureBar& bar() const {
    return *static_cast<const PressureBar*>(widget());
  }
};

class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override;
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;

 private:
  [[nodiscard]] TextBox& box() const { return *static_cast<TextBox*>(widget()); }
};

}  // namespace arvan
