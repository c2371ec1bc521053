// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pressure_bar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

namespace arvan {
namespace {

class PressureBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(420, 60);
    bar.setGeometry(10, 10, 400, 24);
    reference.setGeometry(10, 10, 400, 24);
    reference.setTextVisible(false);
    reference.setRange(0, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // The bar as the window shows it now, after only the repaints its values
  // asked for.
  QImage shown() {
    QApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId(), bar.x(), bar.y(), bar.width(), bar.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A QProgressBar at that value, drawn whole by the same style.
  QImage expected(int value) {
    reference.setValue(value);
    return reference.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  QWidget window;
  PressureBar bar{&window};
  QProgressBar reference;
};

TEST_F(PressureBarTest, LooksLikeAProgressBarAfterEveryStepUpAndDown) {
  for (const int value : {0, 1, 5, 6, 50, 96, 100, 95, 40, 0, 73, 74, 75, 20}) {
    SCOPED_TRACE(value);
    bar.setValue(value);
    EXPECT_EQ(bar.value(), value);
    EXPECT_EQ(shown(), expected(value));
  }
}

// The steps a drill and word typing give the bar: +10 and +1 on ticks, +5
// and -5 on keys, at the width the bar has in a 1000-pixel window.
TEST_F(PressureBarTest, LooksLikeAProgressBarAfterEveryStepOfARunAtTheWindowsWidth) {
  window.resize(860, 60);
  bar.setGeometry(10, 10, 833, 24);
  reference.setGeometry(10, 10, 833, 24);
  int value = 0;
  for (const int step : {10, 1, 1, 5, -5, 1, 10, 5, -5, -5, 1, 1, 1, 1, 5, -5, 10, 1, 1}) {
    value += step;
    SCOPED_TRACE(value);
    bar.setValue(value);
    EXPECT_EQ(shown(), expected(value));
  }
}

// Every value, each reached from below and from above, so that every end
// of the filled part that the bar keeps is shown next to both neighbours.
TEST_F(PressureBarTest, LooksLikeAProgressBarAtEveryValueOnTheWayUpAndDown) {
  std::vector<int> values;
  for (int value = 1; value <= 100; ++value) values.push_back(value);
  for (int value = 99; value >= 0; --value) values.push_back(value);
  for (int value = 5; value <= 100; value += 7) values.insert(values.end(), {value, value - 5});
  for (const int value : values) {
    SCOPED_TRACE(value);
    bar.setValue(value);
    const QImage partly = shown();
    bar.update();
    ASSERT_EQ(partly, shown()) << "differs from the bar repainted whole";
    ASSERT_EQ(partly, expected(value));
  }
}

TEST_F(PressureBarTest, KeepsItsValueWithinZeroToOneHundred) {
  bar.setValue(250);
  EXPECT_EQ(bar.value(), 100);
  EXPECT_EQ(shown(), expected(100));
  bar.setValue(-7);
  EXPECT_EQ(bar.value(), 0);
  EXPECT_EQ(shown(), expected(0));
}

}  // namespace
}  // namespace arvan
