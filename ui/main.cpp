// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include <QApplication>
#include <QScreen>
#include <memory>

#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/display_opening.h"
#include "ui/form_window.h"

int main(int argc, char* argv[]) {
  arvan::answerHelpOrVersion(argc, argv);
  const std::unique_ptr<QApplication> app = arvan::openDisplay(argc, argv);
  arvan::refuseUnknownArguments(*app);
  arvan::configureApplication(*app);

  // Without a window manager a maximize request goes unheard: open at the
  // screen's size either way.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  arvan::FormWindow window;
  window.setGeometry(screen);
  window.showMaximized();
  return QApplication::exec();
}
