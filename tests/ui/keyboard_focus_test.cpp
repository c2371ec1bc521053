// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The window driven by the keyboard alone, as a learner who uses no mouse
// drives it: Tab and Shift+Tab move the focus through the controls of the
// idle window, Space and Enter activate the one that has it, and in a drill
// and the typing modes every key reaches the tutor.

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <vector>

#include "seen_on_screen.h"
#include "shown_window.h"

namespace arvan {
namespace {

constexpr QRgb kYellowShown = 0xFFFF00;

class KeyboardAlone : public testing::ShownWindow {
 protected:
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), k, modifiers);
  }
  [[nodiscard]] const Control* focus() const { return window.keyboardFocus().focus(); }
  const Form& f = window.form();
};

TEST_F(KeyboardAlone, TabAndSpaceStartADrillAltStopsItAndTheFocusComesBackToStart) {
  key(Qt::Key_Tab);
  ASSERT_EQ(focus(), &f.Start);
  // A ring of the design's yellow around Start, a few pixels above its top.
  const QPointF aboveStart =
      window.toPixels(QPointF(f.Start.rect.left + 100, f.Start.rect.top)) - QPointF(0, 2.5);
  EXPECT_EQ(testing::SeenWindow(window).colourAt(aboveStart), kYellowShown);

  platform.queueRandom({0.5f});
  key(Qt::Key_Space);
  ASSERT_FALSE(f.Start.enabled) << "Space on Start starts a drill";
  EXPECT_TRUE(window.timer().isActive());
  EXPECT_EQ(focus(), nullptr);
  EXPECT_TRUE(window.hasFocus());
  EXPECT_NE(testing::SeenWindow(window).colourAt(aboveStart), kYellowShown);

  key(Qt::Key_Tab);
  EXPECT_EQ(f.missCount, 1) << "in a drill Tab is a key like any other";
  EXPECT_EQ(focus(), nullptr);
  platform.queueRandom({0.1f});
  pressKey(driver.targetScanCode());
  EXPECT_EQ(f.hitCount, 1);

  key(Qt::Key_Alt);
  ASSERT_TRUE(f.Start.enabled) << "Alt stops the drill";
  EXPECT_EQ(focus(), &f.Start);
  platform.queueRandom({0.5f});
  key(Qt::Key_Return);
  EXPECT_FALSE(f.Start.enabled) << "Enter on Start starts a drill";
}

TEST_F(KeyboardAlone, TabVisitsEveryEnabledControlOnceAndShiftTabWalksBack) {
  const std::vector<const Control*> usable{&f.Start,   &f.lblExit,  &f.lblMenu1, &f.Option1,
                                           &f.Option2, &f.Option3,  &f.OptMon,   &f.OptEng,
                                           &f.cmdShow, &f.cmdNoView};
  std::vector<const Control*> visited;
  for (std::size_t n = 0; n < usable.size(); ++n) {
    key(Qt::Key_Tab);
    visited.push_back(focus());
    if (QWidget* widget = window.childControls().widgetOf(*focus())) {
      EXPECT_TRUE(widget->hasFocus()) << focus()->name << "'s widget holds Qt's focus";
    }
  }
  EXPECT_TRUE(std::is_permutation(visited.begin(), visited.end(), usable.begin(), usable.end()));
  key(Qt::Key_Tab);
  EXPECT_EQ(focus(), visited.front()) << "the focus goes round";
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focus(), visited.back());
  EXPECT_EQ(f.hitCount + f.missCount, 0);
}

TEST_F(KeyboardAlone, SpaceOnAnOptionSelectsItAndEnterOnTheMenuOpensIt) {
  while (focus() != &f.Option1) key(Qt::Key_Tab);
  key(Qt::Key_Space);
  EXPECT_EQ(f.Option1.value, 1);
  EXPECT_EQ(f.Option3.value, 0);

  while (focus() != &f.lblMenu1) key(Qt::Key_Tab);
  key(Qt::Key_Return);
  ASSERT_TRUE(f.lblSubMenu1.visible) << "Enter opens the menu";
  key(Qt::Key_Tab);
  ASSERT_EQ(focus(), &f.lblSubMenu1) << "its entries follow it";
  key(Qt::Key_Return);
  ASSERT_TRUE(f.Text1.visible) << "Enter on the entry begins word typing";
  EXPECT_EQ(focus(), nullptr);
  pressKey(testing::WindowDriver::scanCodeOfSlot(18));  // H writes х, the text's first letter
  EXPECT_EQ(f.hitCount, 1);
}

}  // namespace
}  // namespace arvan
