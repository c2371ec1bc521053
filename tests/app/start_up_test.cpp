// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/start_up.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "window_fixture.h"

namespace arvan {
namespace {

using testing::kExpectedKeys;

using StartUp = testing::WindowTest;

TEST_F(StartUp, BeepsTwiceAndOpensIdleWithSlowSpeedAndEnglishCaptions) {
  testing::FakePlatform freshPlatform;
  FormHit fresh(freshPlatform);
  fresh.load();
  EXPECT_EQ(freshPlatform.beeps, 2);

  const Form& f = form();
  EXPECT_EQ(f.Option3.value, 1);
  EXPECT_EQ(f.Option1.value + f.Option2.value, 0);
  EXPECT_EQ(f.OptEng.value, 1);
  EXPECT_EQ(f.OptMon.value, 0);
  EXPECT_EQ(f.timSeconds.interval, 250);
  EXPECT_FALSE(f.timSeconds.enabled);
  EXPECT_TRUE(f.ImgEng.visible);
  EXPECT_FALSE(f.Dalbaa1.visible || f.Dalbaa2.visible || f.Dalbaa3.visible);
  for (int slot = 0; slot < 34; ++slot) {
    EXPECT_EQ(f.keyLabel[static_cast<std::size_t>(slot)].caption,
              kExpectedKeys[static_cast<std::size_t>(slot)].english)
        << "slot " << slot;
  }
  EXPECT_FALSE(f.blindMode);
  EXPECT_TRUE(f.cmdShow.enabled && f.cmdNoView.enabled && f.Start.enabled && f.lblExit.enabled);
  EXPECT_TRUE(testing::flaggedSlots(f).empty());
  EXPECT_EQ(f.txtCount.caption, "");
  EXPECT_EQ(f.txtCountError.caption, "");
  EXPECT_EQ(f.hitCount + f.missCount, 0);
  EXPECT_EQ(f.lblElapsedTime.caption, "Time");
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_EQ(f.textPos, 1);
  EXPECT_FALSE(f.Text1.visible || f.Text2.visible);
}

TEST_F(StartUp, ATickWithTheTimerOffChangesNothing) {
  const auto before = testing::screenOf(form());
  ticks(3);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(form())), "");
}

TEST_F(StartUp, OnlyTheMenuStartExitOptionsAndLabelButtonsTakeAClick) {
  std::set<std::string_view> clickable;
  for (const Control* c : form().controlsInDrawingOrder()) {
    if (window.isClickable(*c)) clickable.insert(c->name);
  }
  EXPECT_EQ(clickable,
            (std::set<std::string_view>{"lblMenu1", "lblSubMenu1", "lblSubMenu2", "lblSubMenu3",
                                        "lblExit", "Start", "OptEng", "OptMon", "Option1",
                                        "Option2", "Option3", "cmdShow", "cmdNoView"}));
}

TEST_F(StartUp, ExitClosesTheWindowOnlyWhenItIsEnabled) {
  startDrillOn(4);
  window.click(form().lblExit);
  EXPECT_FALSE(platform.closed);
  window.keyDown(testing::kAlt);
  window.click(form().lblExit);
  EXPECT_TRUE(platform.closed);
}

}  // namespace
}  // namespace arvan
