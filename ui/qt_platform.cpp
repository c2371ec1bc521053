// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/qt_platform.h"

#include <QApplication>
#include <QMetaObject>
#include <QWindow>

namespace arvan {
namespace {

// Qt's beep belongs to the application's thread; the bell's thread asks it there.
void qtBeep() {
  if (QCoreApplication::instance() == nullptr) return;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QApplication::beep(); }, Qt::QueuedConnection);
}

// Calls `then` once the program's first window is on the screen: Qt paints
// and flushes an exposed window before it turns to the call.
class FirstFrameWatch : public QObject {
 public:
  explicit FirstFrameWatch(std::function<void()> then) : then_(std::move(then)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && watched->isWindowType() &&
        static_cast<QWindow*>(watched)->isExposed()) {
      QCoreApplication::instance()->removeEventFilter(this);
      QMetaObject::invokeMethod(this, then_, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

QtPlatform::QtPlatform(std::function<void()> closeWindow, std::unique_ptr<BellPlayer> bellPlayer)
    : closeWindow_(std::move(closeWindow)), bell_(std::move(bellPlayer), qtBeep) {
  // Opening the sound system takes a sound thread's start and the loading of
  // its libraries: it waits until the window has shown its first frame. The
  // start-up bells sound then.
  if (QCoreApplication::instance() != nullptr) {
    firstFrame_ = std::make_unique<FirstFrameWatch>([this] { bell_.open(); });
  } else {
    bell_.open();
  }
  reseedRandom();
}

void QtPlatform::beep() { bell_.ring(); }

std::chrono::nanoseconds QtPlatform::monotonicNow() {
  return std::chrono::steady_clock::now().time_since_epoch();
}

float QtPlatform::random() {
  // The top 24 bits give every float in [0, 1) that is a multiple of 2^-24,
  // and never 1 itself.
  return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

void QtPlatform::reseedRandom() {
  // The clock alone could repeat between two reseeds in the same tick; the
  // count of reseeds makes every seed sequence different.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                     ++reseeds_};
  generator_.seed(seed);
}

void QtPlatform::closeWindow() {
  if (closeWindow_) closeWindow_();
}

}  // namespace arvan
