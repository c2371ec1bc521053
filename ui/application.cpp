#include "ui/application.h"

#include "ui/key_event_codes.h"
#include "ui/window_icon.h"
#include "ui/x11_key_repeat.h"

namespace arvan {

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
