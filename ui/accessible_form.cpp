// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/accessible_form.h"

#include <QWindow>
#include <algorithm>

#include "drill/key_look.h"
#include "keyboard/key_slots.h"
#include "ui/accessible_boxes.h"
#include "ui/form_window.h"
#include "ui/text_boxes.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

// The drawn keyboard has no caption of its own; the window's captions call
// it so ("Гарны сонголт", the keyboard's choice).
const QString kKeyboardName = QStringLiteral("Гар");
// The space bar has no label; the drawn keyboard's other captionless keys
// carry English names too.
const QString kSpaceBarName = QStringLiteral("Space");

// One key of the drawn keyboard: named by its caption, selected while it is
// the drill's target, pressed while it shows its pressed look.
class KeyAccessible : public DrawnAccessible {
 public:
  KeyAccessible(FormWindow* window, int slot, QAccessibleInterface* parent)
      : DrawnAccessible(window, &window->form().button[static_cast<std::size_t>(slot)],
                        QAccessible::ListItem, parent),
        slot_(slot) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    if (slot_ == kSpaceBarSlot) return kSpaceBarName;
    // Blank labels hide the captions from the eye, not the key's name.
    const Form& form = formWindow().form();
    const std::string& shown = form.keyLabel[static_cast<std::size_t>(slot_)].caption;
    if (!shown.empty()) return toQString(shown).trimmed();
    const KeySlot& key = keyAt(slot_);
    return toQString(form.OptMon.value != 0 ? key.mongolianCaption : key.englishCaption);
  }
  QAccessible::State state() const override {
    QAccessible::State s = DrawnAccessible::state();
    const Form& form = formWindow().form();
    s.selectable = true;
    s.selected = isTarget(form, slot_);
    s.pressed = form.fore[static_cast<std::size_t>(slot_)].visible;
    return s;
  }

 private:
  int slot_;
};

// The drawn keyboard: a list of its keys.
class KeyboardAccessible : public DrawnAccessible {
 public:
  KeyboardAccessible(FormWindow* window, QAccessibleInterface* parent)
      : DrawnAccessible(window, &window->form().Shape4, QAccessible::List, parent) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? kKeyboardName : QString();
  }
};

// The menu: a button whose entries show under it when it is clicked.
class MenuAccessible : public DrawnAccessible {
 public:
  MenuAccessible(FormWindow* window, QAccessibleInterface* parent)
      : DrawnAccessible(window, &window->form().lblMenu1, QAccessible::ButtonMenu, parent) {}
  QAccessible::State state() const override {
    QAccessible::State s = DrawnAccessible::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = formWindow().form().lblSubMenu1.visible;
    s.collapsed = !s.expanded;
    return s;
  }
};

template <typename Object, typename... Arguments>
Object* registered(Arguments&&... arguments) {
  auto* object = new Object(std::forward<Arguments>(arguments)...);
  QAccessible::registerAccessibleInterface(object);
  return object;
}

}  // namespace

DrawnAccessible::DrawnAccessible(FormWindow* window, const Control* control, QAccessible::Role role,
                                 QAccessibleInterface* parent)
    : window_(window), control_(control), role_(role), parent_(parent) {}

bool DrawnAccessible::isValid() const { return !window_.isNull(); }

FormWindow& DrawnAccessible::formWindow() const { return *window_; }

QWindow* DrawnAccessible::window() const { return window_->windowHandle(); }

QAccessibleInterface* DrawnAccessible::childAt(int x, int y) const {
  for (DrawnAccessible* child : children_) {
    if (!child->state().invisible && child->rect().contains(x, y)) return child;
  }
  return nullptr;
}

QAccessibleInterface* DrawnAccessible::child(int index) const {
  return index >= 0 && index < childCount() ? children_[static_cast<std::size_t>(index)] : nullptr;
}

int DrawnAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto found = std::find(children_.begin(), children_.end(), child);
  return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

QString DrawnAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name && t != QAccessible::Value) return {};
  // A label's value is its caption: the clock's is the time.
  if (t == QAccessible::Value && role_ != QAccessible::StaticText) return {};
  return toQString(control_->caption).trimmed();
}

QRect DrawnAccessible::rect() const {
  const QRectF shown = window_->pixelRectOf(*control_);
  return QRect(window_->mapToGlobal(shown.topLeft().toPoint()), shown.size().toSize());
}

bool DrawnAccessible::clickable() const { return window_->isClickable(*control_); }

QAccessible::State DrawnAccessible::state() const {
  QAccessible::State s;
  s.invisible = !control_->visible;
  s.disabled = !control_->enabled;
  s.focusable = clickable() && control_->visible && control_->enabled;
  s.focused = window_->keyboardFocus().drawnFocus() == control_;
  return s;
}

void* DrawnAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface && clickable()) {
    return static_cast<QAccessibleActionInterface*>(this);
  }
  return nullptr;
}

QStringList DrawnAccessible::actionNames() const {
  return clickable() ? QStringList{pressAction()} : QStringList{};
}

void DrawnAccessible::doAction(const QString& action) {
  if (action == pressAction() && clickable()) window_->activate(*control_);
}

FormAccessible::FormAccessible(FormWindow* window)
    : QAccessibleWidget(window, QAccessible::Window) {
  const Form& f = window->form();
  menu_ = registered<MenuAccessible>(window, this);
  for (const Control* entry : {&f.lblSubMenu1, &f.lblSubMenu2, &f.lblSubMenu3}) {
    menu_->adopt(registered<DrawnAccessible>(window, entry, QAccessible::MenuItem, menu_));
  }
  keyboard_ = registered<KeyboardAccessible>(window, this);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    keyboard_->adopt(registered<KeyAccessible>(window, slot, keyboard_));
  }
  own_ = {menu_, keyboard_};
  for (const Control* label : {&f.Label50, &f.Label49, &f.Label46, &f.Label47, &f.Label48}) {
    own_.push_back(registered<DrawnAccessible>(window, label, QAccessible::StaticText, this));
  }
  for (const Control* button : {&f.Start, &f.lblExit}) {
    own_.push_back(registered<DrawnAccessible>(window, button, QAccessible::Button, this));
  }
  own_.push_back(
      registered<DrawnAccessible>(window, &f.lblElapsedTime, QAccessible::StaticText, this));
}

FormAccessible::~FormAccessible() {
  for (DrawnAccessible* object : drawnObjects()) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(object));
  }
}

FormWindow* FormAccessible::formWindow() const { return static_cast<FormWindow*>(widget()); }

std::vector<DrawnAccessible*> FormAccessible::drawnObjects() const {
  std::vector<DrawnAccessible*> all = own_;
  for (const DrawnAccessible* group : {menu_, keyboard_}) {
    all.insert(all.end(), group->ownChildren().begin(), group->ownChildren().end());
  }
  return all;
}

QAccessibleInterface* FormAccessible::objectOf(const Control& control) const {
  for (DrawnAccessible* object : drawnObjects()) {
    if (object->control() == &control) return object;
  }
  return nullptr;
}

std::vector<QAccessibleInterface*> FormAccessible::children() const {
  const FormWindow* window = formWindow();
  const Form& f = window->form();
  std::vector<QAccessibleInterface*> children;
  // Top to bottom, left to right, as a learner reads the window.
  for (const Control* c :
       {&f.lblMenu1, &f.Text1, &f.Text2, &f.Label50, &f.Label49, &f.cmdShow, &f.cmdNoView,
        &f.Frame1, &f.Frame2, &f.Start, &f.lblExit, &f.lblElapsedTime, &f.Label46, &f.txtCountError,
        &f.Label47, &f.txtCount, &f.Label48, &f.ProgressBar1, &f.Shape4}) {
    if (QWidget* widget = window->childControls().widgetOf(*c)) {
      children.push_back(QAccessible::queryAccessibleInterface(widget));
    } else if (c == &f.Shape4) {
      children.push_back(keyboard_);
    } else if (QAccessibleInterface* object = objectOf(*c)) {
      children.push_back(object);
    }
  }
  return children;
}

int FormAccessible::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* FormAccessible::child(int index) const {
  const std::vector<QAccessibleInterface*> all = children();
  return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)]
                                                            : nullptr;
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<QAccessibleInterface*> all = children();
  const auto found = std::find(all.begin(), all.end(), child);
  return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

QAccessibleInterface* FormAccessible::childAt(int x, int y) const {
  const std::vector<QAccessibleInterface*> all = children();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (!(*it)->state().invisible && (*it)->rect().contains(x, y)) return *it;
  }
  return nullptr;
}

QAccessibleInterface* FormAccessible::focusChild() const {
  if (const Control* focused = formWindow()->keyboardFocus().drawnFocus())
    return objectOf(*focused);
  return QAccessibleWidget::focusChild();
}

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<FormWindow*>(object)) return new FormAccessible(window);
  if (auto* box = dynamic_cast<LineBox*>(object)) return new CountAccessible(box);
  if (auto* box = dynamic_cast<TextBox*>(object)) return new TextBoxAccessible(box);
  if (auto* bar = dynamic_cast<PressureBar*>(object)) return new PressureBarAccessible(bar);
  return nullptr;
}

}  // namespace arvan
