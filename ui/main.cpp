#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "ui/form_window.h"
#include "ui/key_event_codes.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("arvan"));
  QApplication::setApplicationDisplayName(QStringLiteral("Arvan"));
  QApplication::setDesktopFileName(QStringLiteral("arvan"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/key-press.svg")));
  QApplication::setStyle(QStringLiteral("Fusion"));
  arvan::ShortcutBlocker shortcutBlocker;
  app.installEventFilter(&shortcutBlocker);

  // Without a window manager a maximize request goes unheard: open at the
  // screen's size either way.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  arvan::FormWindow window(screen.size());
  window.setGeometry(screen);
  window.showMaximized();
  return QApplication::exec();
}
