// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include <QApplication>
#include <QScreen>

#include "ui/application.h"
#include "ui/form_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  arvan::configureApplication(app);

  // Without a window manager a maximize request goes unheard: open at the
  // screen's size either way.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  arvan::FormWindow window;
  window.setGeometry(screen);
  window.showMaximized();
  return QApplication::exec();
}
