// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// What assistive technology (a screen reader, over AT-SPI) sees of the
// window: every control a learner can see or use, with the role it has for
// the learner and its caption as its name. Child controls are Qt widgets and
// speak for themselves; the drawn controls (Start, Exit, the menu, the
// clock, the labels, the keyboard) are objects of the window's own.

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "form/form.h"

namespace arvan {

class FormWindow;
class DrawnAccessible;

class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(FormWindow* window);
  ~FormAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessible::Role role() const override { return QAccessible::Window; }

  // The window's own objects, each with the control it stands for, to
  // announce their changes.
  [[nodiscard]] std::vector<DrawnAccessible*> drawnObjects() const;
  // The object of a drawn control, or nullptr.
  [[nodiscard]] QAccessibleInterface* objectOf(const Control& control) const;

 private:
  [[nodiscard]] FormWindow* formWindow() const;
  // The window's children as a learner reads them: top to bottom.
  [[nodiscard]] std::vector<QAccessibleInterface*> children() const;

  std::vector<DrawnAccessible*> own_;  // registered with Qt, which deletes them
  DrawnAccessible* menu_ = nullptr;
  DrawnAccessible* keyboard_ = nullptr;
};

// A drawn control as assistive technology sees it.
class DrawnAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  DrawnAccessible(FormWindow* window, const Control* control, QAccessible::Role role,
                  QAccessibleInterface* parent);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int index) const override;
  int childCount() const override { return static_cast<int>(children_.size()); }
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return role_; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  [[nodiscard]] const Control* control() const { return control_; }
  void adopt(DrawnAccessible* child) { children_.push_back(child); }
  [[nodiscard]] const std::vector<DrawnAccessible*>& ownChildren() const { return children_; }

 protected:
  [[nodiscard]] FormWindow& formWindow() const;
  [[nodiscard]] bool clickable() const;

 private:
  QPointer<FormWindow> window_;
  const Control* control_;  // nullptr for a group without a control of its own
  QAccessible::Role role_;
  QAccessibleInterface* parent_;
  std::vector<DrawnAccessible*> children_;
};

// Answers Qt's question for the accessible object of the window and of its
// child controls that Qt does not know.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);

}  // namespace arvan
