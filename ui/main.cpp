#include <QApplication>
#include <QScreen>

#include "ui/application.h"
#include "ui/display_font.h"
#include "ui/form_window.h"

int main(int argc, char* argv[]) {
  std::thread fontConfiguration = arvan::readFontConfigurationAhead();
  QApplication app(argc, argv);
  fontConfiguration.join();
  arvan::configureApplication(app);

  // Without a window manager a maximize request goes unheard: open at the
  // screen's size either way.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  arvan::FormWindow window(screen.size());
  window.setGeometry(screen);
  window.showMaximized();
  return QApplication::exec();
}
