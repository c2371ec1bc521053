#include "ui/desktop_bell.h"

#include <canberra.h>

#include <QApplication>
#include <QMetaObject>

namespace arvan {
namespace {

void qtBeep() {
  if (QCoreApplication::instance() == nullptr) return;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QApplication::beep(); }, Qt::QueuedConnection);
}

}  // namespace

DesktopBell::DesktopBell() : worker_([this] { run(); }) {}

DesktopBell::~DesktopBell() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

void DesktopBell::ring() {
  {
    std::lock_guard lock(mutex_);
    ++pending_;
  }
  wake_.notify_one();
}

void DesktopBell::run() {
  ca_context* context = nullptr;
  bool canberraWorks = ca_context_create(&context) == CA_SUCCESS;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return pending_ > 0 || stopping_; });
      if (stopping_) break;
      pending_ = 0;
    }
    if (canberraWorks) {
      canberraWorks =
          ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                          "Wrong key", nullptr) == CA_SUCCESS;
    }
    if (!canberraWorks) qtBeep();
  }
  if (context != nullptr) ca_context_destroy(context);
}

}  // namespace arvan
