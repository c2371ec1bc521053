// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The floor that the tutor's start-up and key path are measured against: a
// bare Qt window, opened the way the tutor opens its own, that paints one
// colour, the design's blue, and repaints one key-sized square per key
// press, green and blue by turns.

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    for (const QRect& r : event->region()) painter.fillRect(r, QColor(0, 0, 255));
    if (lit_) painter.fillRect(kKey, QColor(0, 255, 0));
  }
  void keyPressEvent(QKeyEvent*) override {
    lit_ = !lit_;
    update(kKey);
  }

 private:
  static constexpr QRect kKey{928, 508, 64, 64};  // a key's face on a 1920x1080 screen
  bool lit_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  BareWindow window;
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  return QApplication::exec();
}
