#include <gtest/gtest.h>

#include <QApplication>

#include "ui/key_event_codes.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  arvan::ShortcutBlocker shortcutBlocker;
  app.installEventFilter(&shortcutBlocker);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
