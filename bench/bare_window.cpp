// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The floor that the tutor's start-up is measured against: a bare Qt window,
// opened the way the tutor opens its own, that paints one colour, the
// design's blue.

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 0, 255)); }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BareWindow window;
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  return QApplication::exec();
}
