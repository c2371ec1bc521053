// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/application.h"

#include <dlfcn.h>

#include <QAccessible>
#include <QEvent>
#include <QIcon>
#include <cstdlib>

#include "ui/accessible_form.h"

namespace arvan {
namespace {

// No Alt+letter or other shortcut ever activates anything, so every key
// reaches the window's key handlers.
class ShortcutBlocker : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    event->accept();
    return true;
  }
};

// The key-press drawing at the sizes X asks a window for, from PNGs rendered
// at build time: loading them is quicker than rendering the SVG at each size.
QIcon windowIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/arvan.png").arg(size), QSize(size, size));
  }
  return icon;
}

// By default an X server puts a release before every repeated press of a
// held key, and Qt marks only some of those as auto-repeat: a held key would
// seem to go up again and again. XKB's detectable auto-repeat repeats it with
// presses alone. Qt's X11 platform has set XKB up on its connection and
// loaded libxcb-xkb; the two functions of it needed here are looked up by
// name, so that building the tutor needs no XCB headers.
void repeatHeldKeysWithPressesOnly() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  void* xkb = dlopen("libxcb-xkb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (connection == nullptr || xkb == nullptr) return;
  struct Cookie {
    unsigned int sequence;
  };
  using Request = Cookie (*)(xcb_connection_t*, std::uint16_t device, std::uint32_t change,
                             std::uint32_t value, std::uint32_t, std::uint32_t, std::uint32_t);
  using Reply = void* (*)(xcb_connection_t*, Cookie, void** error);
  const auto request = reinterpret_cast<Request>(dlsym(xkb, "xcb_xkb_per_client_flags"));
  const auto reply = reinterpret_cast<Reply>(dlsym(xkb, "xcb_xkb_per_client_flags_reply"));
  if (request == nullptr || reply == nullptr) return;
  constexpr std::uint16_t kCoreKeyboard = 0x100;        // XCB_XKB_ID_USE_CORE_KBD
  constexpr std::uint32_t kDetectableAutoRepeat = 0x1;  // its per-client flag
  std::free(reply(
      connection,
      request(connection, kCoreKeyboard, kDetectableAutoRepeat, kDetectableAutoRepeat, 0, 0, 0),
      nullptr));
}

}  // namespace

void configureApplication(QApplication& app) {
  // No display name: Qt would add it to the window's title, which already
  // names the program.
  QApplication::setApplicationName(QStringLiteral("arvan"));
  QApplication::setDesktopFileName(QStringLiteral("arvan"));
  QApplication::setWindowIcon(windowIcon());
  QApplication::setStyle(QStringLiteral("Fusion"));
  app.installEventFilter(new ShortcutBlocker(&app));
  QAccessible::installFactory(accessibleFactory);
  repeatHeldKeysWithPressesOnly();
}

}  // namespace arvan
