// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/qt_platform.h"

#include <QApplication>
#include <QMetaObject>
#include <QWindow>
#include <chrono>

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
  // SplitMix64. A key press reseeds and then draws once, so the state is
  // one word: reseeding a large one would cost the key more than handling it.
  std::uint64_t z = state_ += 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  z ^= z >> 31;
  // The top 24 bits give every float in [0, 1) that is a multiple of 2^-24,
  // and never 1 itself.
  return static_cast<float>(z >> 40) * 0x1p-24f;
}

void QtPlatform::reseedRandom() {
  // Added to the state rather than put in its place, the clock's ticks give
  // another state even when two reseeds fall in the same tick.
  state_ += static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void QtPlatform::closeWindow() {
  if (closeWindow_) closeWindow_();
}

}  // namespace arvan
