// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/accessible_changes.h"

#include "ui/accessible_form.h"
#include "ui/form_window.h"

namespace arvan {

void AccessibleChanges::announce() {
  if (!QAccessible::isActive()) {
    seen_.clear();
    focused_ = nullptr;
    return;
  }
  auto* form = dynamic_cast<FormAccessible*>(QAccessible::queryAccessibleInterface(&window_));
  if (form == nullptr) return;
  for (DrawnAccessible* object : form->drawnObjects()) compare(object);
  const Form& f = window_.form();
  for (const Control* c : {&f.txtCount, &f.txtCountError, &f.ProgressBar1, &f.Text1, &f.Text2}) {
    if (QWidget* widget = window_.childControls().widgetOf(*c)) {
      compare(QAccessible::queryAccessibleInterface(widget));
    }
  }
  // Qt tells of the focus of child controls itself.
  const Control* drawn = window_.keyboardFocus().drawnFocus();
  QAccessibleInterface* focused = drawn != nullptr ? form->objectOf(*drawn) : nullptr;
  if (focused != focused_ && focused != nullptr) {
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
  focused_ = focused;
}

void AccessibleChanges::compare(QAccessibleInterface* object) {
  if (object == nullptr) return;
  QAccessibleTextInterface* text = object->textInterface();
  Seen now{object->text(QAccessible::Name),
           text != nullptr ? QString() : object->text(QAccessible::Value), object->state(),
           text != nullptr ? text->characterCount() : 0,
           text != nullptr ? text->cursorPosition() : 0};
  const auto found = seen_.find(object);
  if (found == seen_.end()) {
    seen_.emplace(object, now);
    return;
  }
  const Seen& before = found->second;
  if (now.name != before.name) {
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (now.value != before.value && object->valueInterface() != nullptr) {
    QAccessibleValueChangeEvent event(object, object->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&event);
  }
  if (now.state.invisible != before.state.invisible) {
    QAccessibleEvent event(object,
                           now.state.invisible ? QAccessible::ObjectHide : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
  }
  if (now.state.disabled != before.state.disabled) {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
  }
  if (now.state.selected != before.state.selected) {
    QAccessibleEvent event(
        object, now.state.selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
    QAccessible::updateAccessibility(&event);
  }
  if (text != nullptr && now.characters > before.characters) {
    QAccessibleTextInsertEvent event(object, before.characters,
                                     text->text(before.characters, now.characters));
    QAccessible::updateAccessibility(&event);
  } else if (text != nullptr && now.characters != before.characters) {
    QAccessibleTextUpdateEvent event(object, 0, QString(), text->text(0, now.characters));
    QAccessible::updateAccessibility(&event);
  }
  if (text != nullptr && now.caret != before.caret) {
    QAccessibleTextCursorEvent event(object, now.caret);
    QAccessible::updateAccessibility(&event);
  }
  found->second = now;
}

}  // namespace arvan
