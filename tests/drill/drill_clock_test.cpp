// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/drill_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

using namespace std::chrono_literals;
using testing::flaggedSlots;

using DrillClock = testing::WindowTest;

TEST_F(DrillClock, TheNinetySecondTickAtTheSlowSpeedEndsAnUntouchedRun) {
  startDrillOn(4);
  ticks(1);
  EXPECT_EQ(form().ProgressBar1.value, 10);
  ticks(90);
  EXPECT_EQ(form().ProgressBar1.value, 100);
  EXPECT_TRUE(form().timSeconds.enabled);
  EXPECT_FALSE(form().Start.enabled);
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:22");

  ticks(1);
  EXPECT_FALSE(form().timSeconds.enabled);
  EXPECT_TRUE(form().Start.enabled);
  EXPECT_EQ(form().ProgressBar1.value, 0);
  // The ending tick still advances the clock and takes a new start time.
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:23");
  EXPECT_EQ(form().elapsedTime, 23s);
  EXPECT_EQ(form().startTime, platform.now);
}

TEST_F(DrillClock, TheEndOfARunLeavesCountsClockAndTheLastTarget) {
  startDrillOn(4);
  window.keyDown(testing::codeOf(0));
  ticks(92, 1s);
  const Form& f = form();
  ASSERT_TRUE(f.Start.enabled);
  testing::expectLocked(f, false);
  EXPECT_FALSE(f.lblElapsedTime.enabled);
  EXPECT_EQ(f.txtCount.caption, "0");
  EXPECT_EQ(f.txtCountError.caption, "1");
  EXPECT_EQ(f.lblElapsedTime.caption, "00:01:32");
  EXPECT_EQ(f.targetSlot, 4);
  EXPECT_TRUE(flaggedSlots(f).empty());
  EXPECT_EQ(testing::keyColoursOffRest(f), "");
  EXPECT_EQ(testing::visibleHandPictures(f), "BGar ZGar");
  EXPECT_EQ(testing::visibleCircle(f), 0);
  EXPECT_FALSE(f.Text1.visible || f.Text2.visible);

  // No tick follows until the timer runs again.
  const auto before = testing::screenOf(f);
  ticks(5);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(f)), "");
  startDrillOn(7);
  EXPECT_EQ(flaggedSlots(f), std::vector<int>{7});
}

TEST_F(DrillClock, ABarAtFiveGainsTenAndAtSixGainsOne) {
  startDrillOn(4);
  hit(4, 9);  // 0 + 5
  ASSERT_EQ(form().ProgressBar1.value, 5);
  ticks(1);
  EXPECT_EQ(form().ProgressBar1.value, 15);
  ticks(1);
  EXPECT_EQ(form().ProgressBar1.value, 16);
  hit(9, 5);  // 16 - 5
  ASSERT_EQ(form().ProgressBar1.value, 11);
  hit(5, 4);
  ASSERT_EQ(form().ProgressBar1.value, 6);
  ticks(1);
  EXPECT_EQ(form().ProgressBar1.value, 7);
}

TEST_F(DrillClock, AddsTheGapsOfTheMonotonicClockAndShowsWholeSeconds) {
  startDrillOn(4);
  platform.advance(1500ms);
  window.tick();
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:01");
  platform.advance(700ms);
  window.tick();
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:02");
  EXPECT_EQ(form().elapsedTime, 2200ms);
}

TEST(DrillClockCaption, ShowsHoursMinutesAndSecondsWithinTheDay) {
  struct Case {
    std::chrono::milliseconds gap;
    std::string_view caption;
  };
  for (const Case c : {Case{0ms, "00:00:00"}, Case{999ms, "00:00:00"}, Case{59999ms, "00:00:59"},
                       Case{3'661'000ms, "01:01:01"}, Case{36'307'000ms, "10:05:07"},
                       Case{86'399'000ms, "23:59:59"}, Case{86'400'000ms, "00:00:00"},
                       Case{90'061'000ms, "01:01:01"}}) {
    SCOPED_TRACE(std::string(c.caption));
    testing::LoadedWindow w;
    w.startDrillOn(4);
    w.ticks(1, c.gap);
    EXPECT_EQ(w.form().lblElapsedTime.caption, c.caption);
  }
}

TEST_F(DrillClock, EndingInBlindModeBlanksEveryLabelAndOtherwiseLeavesThem) {
  for (bool blind : {false, true}) {
    SCOPED_TRACE(blind ? "blind" : "labels shown");
    testing::LoadedWindow w;
    if (blind) w.window.click(w.form().cmdNoView);
    w.startDrillOn(16);
    w.ticks(92);
    ASSERT_TRUE(w.form().Start.enabled);
    EXPECT_EQ(w.form().keyLabel[16].caption, blind ? "" : "F");
    EXPECT_EQ(w.form().keyLabel[0].caption, blind ? "" : "Q");
    EXPECT_TRUE(w.form().cmdShow.enabled);
    EXPECT_TRUE(w.form().cmdNoView.enabled);
  }
}

TEST_F(DrillClock, AWordTypingRunEndsTheSameWayAndKeepsItsText) {
  chooseMenuEntry(form().lblSubMenu1);
  ticks(91);
  EXPECT_TRUE(form().timSeconds.enabled);
  ticks(1);
  const Form& f = form();
  EXPECT_FALSE(f.timSeconds.enabled);
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_TRUE(f.Text1.visible);
  EXPECT_TRUE(f.ShapeSambar.visible);
  EXPECT_TRUE(f.Start.enabled);
  EXPECT_TRUE(f.lblExit.enabled);
  EXPECT_EQ(f.lblElapsedTime.caption, "00:00:23");
}

}  // namespace
}  // namespace arvan
