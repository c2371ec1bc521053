// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/child_controls.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <cmath>
#include <string_view>

#include "ui/fonts.h"
#include "ui/form_painter.h"
#include "ui/laid_out_text.h"
#include "ui/pressure_bar.h"
#include "ui/text_boxes.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

void setColours(QWidget* widget, const Control& c, QPalette::ColorRole back,
                QPalette::ColorRole fore, bool keepDisabledText) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, back, toQColor(c.backColour));
    if (group != QPalette::Disabled || keepDisabledText) {
      palette.setColor(group, fore, toQColor(c.foreColour));
    }
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// The sign of a button with the keyboard focus: a dotted line inside its edge.
void drawFocusLine(QPainter& painter, const QRect& button, const QColor& colour) {
  painter.setPen(QPen(colour, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(button.adjusted(2, 2, -3, -3));
}

// A button of the window: Enter activates it as Space does, once it has the
// keyboard focus.
template <typename Button>
class EnterClicks : public Button {
 public:
  using Button::Button;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (!event->isAutoRepeat()) this->click();
      return;
    }
    Button::keyPressEvent(event);
  }
};

// A command button drawn flat in its background colour, its caption centred
// and wrapped onto as many lines as it needs.
class FlatButton : public EnterClicks<QAbstractButton> {
 public:
  using EnterClicks::EnterClicks;

  void setCaption(const QString& caption) {
    setText(caption);
    prepareCaption();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QPalette& p = palette();
    const QRect r = rect();
    // A raised edge at rest, a sunken one while held down.
    qDrawShadePanel(&painter, r, p, isDown(), 1, &p.brush(QPalette::Button));
    const QColor text =
        p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(text);
    caption_.draw(painter, captionRect().translated(isDown() ? QPoint(1, 1) : QPoint()), kFlags,
                  this->text());
    if (hasFocus()) drawFocusLine(painter, r, text);
  }
  void resizeEvent(QResizeEvent* event) override {
    EnterClicks::resizeEvent(event);
    prepareCaption();
  }
  void changeEvent(QEvent* event) override {
    EnterClicks::changeEvent(event);
    if (event->type() == QEvent::FontChange) prepareCaption();
  }

 private:
  static constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
  [[nodiscard]] QRect captionRect() const {
    const int margin = height() / 8;
    return rect().adjusted(margin, 0, -margin, 0);
  }
  void prepareCaption() { caption_.prepare(font(), captionRect().size(), kFlags, text()); }

  LaidOutText caption_;
};

// An option button selected by a click anywhere on its designed rectangle,
// not only on its circle and caption.
class OptionButton : public EnterClicks<QRadioButton> {
 public:
  using EnterClicks::EnterClicks;

 protected:
  [[nodiscard]] bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void paintEvent(QPaintEvent* event) override {
    QRadioButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    drawFocusLine(painter, rect(), palette().color(QPalette::WindowText));
  }
};

// The caption that names a control without one of its own, for assistive
// technology: the label beside a counter, the menu entry that opens a text box.
const Control* namingCaption(const Form& f, const Control& c) {
  if (&c == &f.txtCount) return &f.Label47;
  if (&c == &f.txtCountError) return &f.Label46;
  if (&c == &f.Text1) return &f.lblSubMenu1;
  if (&c == &f.Text2) return &f.lblSubMenu2;
  return nullptr;
}

QWidget* makeWidget(const Control& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::TextBox: {
      if (c.multiLine) {
        auto* box = new TextBox(parent);
        box->setFrameShape(c.bordered ? QFrame::Box : QFrame::NoFrame);
        // The practice text stays readable while the box is disabled.
        setColours(box, c, QPalette::Base, QPalette::Text, true);
        return box;
      }
      auto* box = new LineBox(parent, c.bordered);
      setColours(box, c, QPalette::Base, QPalette::Text, false);
      return box;
    }
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(parent);
      setColours(frame, c, QPalette::Window, QPalette::WindowText, true);
      return frame;
    }
    case ControlKind::OptionButton: {
      // The form selects one option of a group at a time; Qt's own
      // exclusivity agrees with it, and tells assistive technology that the
      // buttons are radio buttons.
      auto* option = new OptionButton(parent);
      // A button fills its background with the Button role.
      setColours(option, c, QPalette::Button, QPalette::WindowText, false);
      return option;
    }
    case ControlKind::CommandButton: {
      auto* button = new FlatButton(parent);
      setColours(button, c, QPalette::Button, QPalette::ButtonText, false);
      return button;
    }
    case ControlKind::ProgressBar:
      return new PressureBar(parent);
    default:
      return nullptr;
  }
}

}  // namespace

ChildControls::ChildControls(const Form& form, QWidget* window, ClickHandler onClick)
    : form_(form), window_(window), onClick_(std::move(onClick)) {
  for (const Control* c : form.controlsInDrawingOrder()) {
    if (!isWindowless(*c)) children_.push_back({c, nullptr, {}});
  }
}

ChildControls::Child* ChildControls::childOf(const Control& control) {
  for (Child& child : children_) {
    if (child.control == &control) return &child;
  }
  return nullptr;
}

void ChildControls::makeWidgetOf(Child& child) {
  const Control* c = child.control;
  QWidget* parent = window_;
  if (const Control* frame = form_.frameOf(*c)) {
    if (Child* frameChild = childOf(*frame)) {
      if (frameChild->widget == nullptr) {
        makeWidgetOf(*frameChild);
        syncChild(*frameChild);
      }
      parent = frameChild->widget;
    }
  }
  child.widget = makeWidget(*c, parent);
  if (const Control* naming = namingCaption(form_, *c)) {
    child.widget->setAccessibleName(toQString(naming->caption).trimmed());
  }
  // Only buttons take the keyboard focus, and only from Tab: a click leaves
  // it where it was, so that keys keep reaching the window.
  const bool button = c->kind == ControlKind::OptionButton || c->kind == ControlKind::CommandButton;
  child.widget->setFocusPolicy(button ? Qt::TabFocus : Qt::NoFocus);
  if (auto* button = qobject_cast<QAbstractButton*>(child.widget)) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [onClick = onClick_, c] { onClick(*c); });
  }
  if (scale_ > 0) place(child);
}

QWidget* ChildControls::widgetOf(const Control& control) const {
  const Child* child = const_cast<ChildControls*>(this)->childOf(control);
  return child != nullptr ? child->widget : nullptr;
}

void ChildControls::layout(double scale, QPointF origin) {
  scale_ = scale;
  origin_ = origin;
  for (Child& child : children_) {
    if (child.widget != nullptr) place(child);
  }
}

void ChildControls::place(Child& child) {
  const Control& c = *child.control;
  const bool inFrame = form_.frameOf(c) != nullptr;
  const QPointF topLeft = (inFrame ? QPointF() : origin_) + toQRectF(c.rect).topLeft() * scale_;
  const auto pixel = [](double x) { return static_cast<int>(std::lround(x)); };
  child.widget->setGeometry(QRect(QPoint(pixel(topLeft.x()), pixel(topLeft.y())),
                                  QPoint(pixel(topLeft.x() + c.rect.width * scale_) - 1,
                                         pixel(topLeft.y() + c.rect.height * scale_) - 1)));

  QFont font(familyOf(c.font));
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(c.font.points * kTwipsPerPoint * scale_))));
  font.setBold(c.font.bold);
  child.widget->setFont(font);
}

void ChildControls::sync() {
  for (Child& child : children_) syncChild(child);
}

void ChildControls::syncChild(Child& child) {
  const Control& c = *child.control;
  if (child.widget == nullptr) {
    if (!c.visible) return;  // made when first shown
    makeWidgetOf(child);
  }
  // Qt's setters do nothing where the widget shows the value already. A
  // caption is compared before it is converted for them: converting every
  // caption cost a refresh more than bringing the rest in line.
  QWidget* widget = child.widget;
  widget->setVisible(c.visible);
  widget->setEnabled(c.enabled);
  const bool newCaption = !c.multiLine && c.caption != child.caption;
  if (newCaption) child.caption = c.caption;
  switch (c.kind) {
    case ControlKind::TextBox:
      if (c.multiLine) {
        static_cast<TextBox*>(widget)->show(c.caption, c.selStart, c.selLength);
      } else if (newCaption) {
        static_cast<LineBox*>(widget)->setText(toQString(c.caption));
      }
      break;
    case ControlKind::Frame:
      if (newCaption) static_cast<QGroupBox*>(widget)->setTitle(toQString(c.caption));
      break;
    case ControlKind::OptionButton:
      if (newCaption) static_cast<QRadioButton*>(widget)->setText(toQString(c.caption));
      static_cast<QRadioButton*>(widget)->setChecked(c.value != 0);
      break;
    case ControlKind::CommandButton:
      if (newCaption) static_cast<FlatButton*>(widget)->setCaption(toQString(c.caption));
      break;
    case ControlKind::ProgressBar:
      static_cast<PressureBar*>(widget)->setValue(c.value);
      break;
    default:
      break;
  }
}

}  // namespace arvan
