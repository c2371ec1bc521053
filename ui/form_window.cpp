// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/form_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/device_pixels.h"
#include "ui/physical_keys.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

constexpr double kFocusRingGap = 3;    // pixels between a drawn control and its ring
constexpr double kFocusRingWidth = 2;  // pixels

bool isActivationKey(const QKeyEvent& event) {
  return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
         (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
          event.key() == Qt::Key_Enter);
}

}  // namespace

FormWindow::FormWindow(Platform* platform, QWidget* parent)
    : QWidget(parent),
      ownPlatform_(platform == nullptr ? std::make_unique<QtPlatform>([this] { close(); })
                                       : nullptr),
      formHit_(platform != nullptr ? *platform : *ownPlatform_),
      // The painter takes the loaded form as the first frame will paint it.
      painter_((formHit_.load(), formHit_.form()), pictures_),
      onX11_(QGuiApplication::platformName() == QLatin1String("xcb")) {
  setWindowTitle(QStringLiteral("Arvan — арван хуруугаар бичиж сурах"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(kBlue));
  setPalette(p);

  children_ = std::make_unique<ChildControls>(formHit_.form(), this,
                                              [this](const Control& c) { activate(c); });
  focus_ = std::make_unique<KeyboardFocus>(formHit_.form(), *children_, this);
  focus_->onDrawnFocusChanged = [this](const Control* before) {
    if (before != nullptr) update(focusRingOf(*before).adjusted(-1, -1, 1, 1));
    if (const Control* now = focus_->drawnFocus()) update(focusRingOf(*now).adjusted(-1, -1, 1, 1));
  };

  // Qt's X11 backing store lets the X server read each flushed frame from
  // shared memory. Before it paints over pixels flushed since it last made
  // sure the server had read them, it waits for the server: a round trip,
  // about a fifth of a drill hit's time to the screen. Repainting the
  // corner pixel 30 ms after the window's last event makes that wait then;
  // a key that comes later (a learner's keys come 100 ms apart and more)
  // meets only that pixel's flush, and its frame is painted at once.
  settle_.setSingleShot(true);
  settle_.setInterval(30);
  connect(&settle_, &QTimer::timeout, this, [this] { update(QRect(0, 0, 1, 1)); });

  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    formHit_.tick();
    refresh();
  });
  refresh();
  // The window, not its first child control, takes the keyboard focus when
  // it is shown: keys go to the key handlers until Tab moves the focus.
  setFocus();
}

// Assistive technology asks about the window as its child controls go: they
// go first, while the window can still answer.
FormWindow::~FormWindow() { qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly)); }

void FormWindow::activate(const Control& control) {
  formHit_.click(control);
  refresh();
}

void FormWindow::refresh() {
  QRegion dirty;
  for (const QRectF& area : painter_.takeChanges(placement_.transform(), devicePixelRatioF())) {
    dirty += placement_.toPixelRect(area);
  }
  if (!dirty.isEmpty()) update(dirty);
  children_->sync();
  focus_->follow();
  if (onX11_) settle_.start();

  const Timer& timer = form().timSeconds;
  if (timer_.interval() != timer.interval) timer_.setInterval(timer.interval);
  if (timer.enabled && !timer_.isActive()) timer_.start();
  if (!timer.enabled && timer_.isActive()) timer_.stop();
  accessibleChanges_.announce();
}

bool FormWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // A screen of another pixel ratio draws each look anew.
  if (event->type() == QEvent::ScreenChangeInternal) {
    painter_.prepare(placement_.transform(), devicePixelRatioF());
  }
  return handled;
}

void FormWindow::resizeEvent(QResizeEvent*) {
  placement_ = DesignPlacement::forWindow(size());
  children_->layout(placement_.scale, placement_.origin);
  painter_.prepare(placement_.transform(), devicePixelRatioF());
  if (onX11_) settle_.start();  // after the whole frame that a new size paints
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QTransform windowToDevice = painter.deviceTransform();
  placement_.setUp(painter);
  // The controls to paint are those that meet a rectangle of the region,
  // not its bounding rectangle: the two hands of the finger guide would
  // otherwise bring in everything between them. Each rectangle is taken as
  // the device pixels that Qt repaints for it, whole.
  const QTransform deviceToTwips = painter.deviceTransform().inverted();
  QList<QRectF> areas;
  for (const QRect& r : event->region()) {
    areas.append(deviceToTwips.mapRect(QRectF(toDevicePixels(QRectF(r), windowToDevice))));
  }
  painter_.paint(painter, areas);
  if (const Control* focused = focus_->drawnFocus()) {
    painter.resetTransform();
    const QRect ring = toDevicePixels(QRectF(focusRingOf(*focused)), painter.deviceTransform());
    const int width = std::max(1, qRound(kFocusRingWidth * devicePixelRatioF()));
    const DevicePixels devicePixels(painter);
    const QColor yellow = toQColor(kYellow);
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), width), yellow);
    painter.fillRect(QRect(ring.left(), ring.bottom() + 1 - width, ring.width(), width), yellow);
    painter.fillRect(QRect(ring.left(), ring.top(), width, ring.height()), yellow);
    painter.fillRect(QRect(ring.right() + 1 - width, ring.top(), width, ring.height()), yellow);
  }
}

QRectF FormWindow::pixelRectOf(const Control& control) const {
  const QRectF drawn = painter_.drawnRectOf(control);
  return {placement_.toPixels(drawn.topLeft()), placement_.toPixels(drawn.bottomRight())};
}

QRect FormWindow::focusRingOf(const Control& control) const {
  const QRectF shown = pixelRectOf(control);
  return shown.adjusted(-kFocusRingGap, -kFocusRingGap, kFocusRingGap, kFocusRingGap)
      .toAlignedRect();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (focus_->drawnFocus() != nullptr && isActivationKey(*event)) {
    if (!event->isAutoRepeat()) armedKey_ = event->key();
    return;
  }
  if (const std::optional<int> code = keyCodeOf(*event)) {
    formHit_.keyDown(*code);
    refresh();
  }
  event->accept();
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
  // A drawn control with the focus is activated as a button is: when the
  // key that pressed it comes up.
  if (armedKey_ != 0 && event->key() == armedKey_) {
    if (event->isAutoRepeat()) return;
    armedKey_ = 0;
    if (const Control* focused = focus_->drawnFocus()) activate(*focused);
    return;
  }
  // X11 and Wayland put a release between auto-repeated presses; one
  // physical release gives one key-up.
  if (!event->isAutoRepeat()) {
    if (const std::optional<int> code = keyCodeOf(*event)) {
      formHit_.keyUp(*code);
      refresh();
    }
  }
  event->accept();
}

const Control* FormWindow::controlAt(QPointF pixels) const {
  return painter_.labelOrImageAt((pixels - placement_.origin) / placement_.scale);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  pressed_ = nullptr;
  pressedBackground_ = false;
  if (event->button() != Qt::LeftButton) return;
  // A disabled child control passes its clicks up; it still covers the
  // window. Every widget in the window is a child control or a part of one.
  if (childAt(event->position().toPoint()) != nullptr) return;
  pressed_ = controlAt(event->position());
  pressedBackground_ = pressed_ == nullptr;
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (childAt(event->position().toPoint()) != nullptr) return;
  const Control* released = controlAt(event->position());
  if (pressedBackground_ && released == nullptr) {
    formHit_.clickBackground();
  } else if (pressed_ != nullptr && released == pressed_) {
    formHit_.click(*released);
  }
  pressed_ = nullptr;
  pressedBackground_ = false;
  refresh();
}

bool FormWindow::focusNextPrevChild(bool next) { return focus_->move(next); }

}  // namespace arvan
