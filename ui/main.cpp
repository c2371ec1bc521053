#include <QApplication>
#include <QScreen>

#include "ui/display_font.h"
#include "ui/form_window.h"
#include "ui/key_event_codes.h"
#include "ui/window_icon.h"

int main(int argc, char* argv[]) {
  std::thread fontConfiguration = arvan::readFontConfigurationAhead();
  QApplication app(argc, argv);
  fontConfiguration.join();
  QApplication::setApplicationName(QStringLiteral("arvan"));
  QApplication::setApplicationDisplayName(QStringLiteral("Arvan"));
  QApplication::setDesktopFileName(QStringLiteral("arvan"));
  QApplication::setWindowIcon(arvan::windowIcon());
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
