#include "ui/desktop_bell.h"

#include <canberra.h>

#include <QApplication>
#include <QFile>
#include <QMetaObject>
#include <QStandardPaths>

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

void DesktopBell::open() {
  {
    std::lock_guard lock(mutex_);
    opened_ = true;
  }
  wake_.notify_one();
}

void DesktopBell::ring() {
  {
    std::lock_guard lock(mutex_);
    ++pending_;
  }
  wake_.notify_one();
}

void DesktopBell::run() {
  {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return opened_ || stopping_; });
    if (stopping_) return;
  }
  // The sound theme's bell file is looked up here, not by libcanberra: its own
  // lookup of an event keeps a cache file under ~/.cache, and the tutor writes
  // no files. With the event id on the context and a file on each sound,
  // libcanberra plays that file.
  const QByteArray bellFile = QFile::encodeName(QStandardPaths::locate(
      QStandardPaths::GenericDataLocation, QStringLiteral("sounds/freedesktop/stereo/bell.oga")));
  ca_context* context = nullptr;
  bool canberraWorks =
      !bellFile.isEmpty() && ca_context_create(&context) == CA_SUCCESS &&
      ca_context_change_props(context, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return pending_ > 0 || stopping_; });
      if (stopping_) break;
      pending_ = 0;
    }
    if (canberraWorks) {
      canberraWorks =
          ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, bellFile.constData(),
                          CA_PROP_EVENT_DESCRIPTION, "Wrong key", nullptr) == CA_SUCCESS;
    }
    if (!canberraWorks) qtBeep();
  }
  if (context != nullptr) ca_context_destroy(context);
}

}  // namespace arvan
