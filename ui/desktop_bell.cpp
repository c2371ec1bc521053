#include "ui/desktop_bell.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QApplication>
#include <QFile>
#include <QMetaObject>
#include <QStandardPaths>
#include <type_traits>

namespace arvan {
namespace {

// libcanberra, loaded when the bell opens: linked to the program, it and
// the libraries it needs would be loaded at every start, before the window's
// first frame. It stays loaded for the program's life.
struct Canberra {
  decltype(&ca_context_create) create = nullptr;
  decltype(&ca_context_change_props) changeProps = nullptr;
  decltype(&ca_context_play) play = nullptr;
  decltype(&ca_context_destroy) destroy = nullptr;

  // Whether the library and each of its functions were found.
  bool load() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    const auto find = [library](auto& function, const char* name) {
      function =
          reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
      return function != nullptr;
    };
    return find(create, "ca_context_create") && find(changeProps, "ca_context_change_props") &&
           find(play, "ca_context_play") && find(destroy, "ca_context_destroy");
  }
};

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
  Canberra canberra;
  ca_context* context = nullptr;
  bool canberraWorks =
      !bellFile.isEmpty() && canberra.load() && canberra.create(&context) == CA_SUCCESS &&
      canberra.changeProps(context, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return pending_ > 0 || stopping_; });
      if (stopping_) break;
      pending_ = 0;
    }
    if (canberraWorks) {
      canberraWorks = canberra.play(context, 0, CA_PROP_MEDIA_FILENAME, bellFile.constData(),
                                    CA_PROP_EVENT_DESCRIPTION, "Wrong key", nullptr) == CA_SUCCESS;
    }
    if (!canberraWorks) qtBeep();
  }
  if (context != nullptr) canberra.destroy(context);
}

}  // namespace arvan
