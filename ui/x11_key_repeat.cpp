#include "ui/x11_key_repeat.h"

// xcb's XKB header names a field `explicit`, a keyword of C++.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdlib>

namespace arvan {

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

}  // namespace arvan
