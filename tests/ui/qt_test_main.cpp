#include <gtest/gtest.h>

#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  arvan::configureApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
