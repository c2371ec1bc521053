// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/accessible_boxes.h"

#include <QTextBlock>
#include <QTextDocument>

namespace arvan {

QString CountAccessible::text(QAccessible::Text t) const {
  return t == QAccessible::Value ? box().text() : QAccessibleWidget::text(t);
}

void* CountAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QVariant CountAccessible::currentValue() const {
  bool number = false;
  const int count = box().text().toInt(&number);
  return number ? QVariant(count) : QVariant();  // empty before the first count
}

QString PressureBarAccessible::text(QAccessible::Text t) const {
  return t == QAccessible::Value ? QString::number(bar().value()) : QAccessibleWidget::text(t);
}

void* PressureBarAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextBoxAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  s.multiLine = true;
  s.editable = false;
  return s;
}

QString TextBoxAccessible::text(QAccessible::Text t) const {
  return t == QAccessible::Value ? box().toPlainText() : QAccessibleWidget::text(t);
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

// The highlight is the one selection, and its start the caret: the next
// character to type.
void TextBoxAccessible::selection(int index, int* start, int* end) const {
  const QTextCursor marked = box().highlight();
  *start = index == 0 && marked.hasSelection() ? marked.selectionStart() : 0;
  *end = index == 0 && marked.hasSelection() ? marked.selectionEnd() : 0;
}

int TextBoxAccessible::selectionCount() const { return box().highlight().hasSelection() ? 1 : 0; }

int TextBoxAccessible::cursorPosition() const {
  const QTextCursor marked = box().highlight();
  return marked.hasSelection() ? marked.selectionStart() : characterCount();
}

QString TextBoxAccessible::text(int start, int end) const {
  return box().toPlainText().mid(start, end - start);
}

int TextBoxAccessible::characterCount() const { return box().document()->characterCount() - 1; }

QRect TextBoxAccessible::characterRect(int offset) const {
  QTextCursor at(box().document());
  at.setPosition(std::clamp(offset, 0, characterCount()));
  const QRect onViewport = box().cursorRect(at);
  return QRect(box().viewport()->mapToGlobal(onViewport.topLeft()), onViewport.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const {
  return box().cursorForPosition(box().viewport()->mapFromGlobal(point)).position();
}

QString TextBoxAccessible::attributes(int offset, int* start, int* end) const {
  *start = offset;
  *end = offset;
  return {};
}

}  // namespace arvan
