// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/application.h"

// xcb's XKB header names a field `explicit`, a keyword of C++.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QEvent>
#include <QIcon>
#include <cstdlib>

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
// presses alone.
void repeatHeldKeysWithPressesOnly() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  // Qt's X11 platform has set XKB up on its connection already.
  constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  std::free(
      xcb_xkb_per_client_flags_reply(connection,
                                     xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                              kDetectable, kDetectable, 0, 0, 0),
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
  repeatHeldKeysWithPressesOnly();
}

}  // namespace arvan
