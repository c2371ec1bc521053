// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_press.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

using testing::codeOf;
using testing::drawOf;
using testing::flaggedSlots;
using testing::kExpectedKeys;
using testing::keyColoursOffRest;
using testing::visibleCircle;
using testing::visibleHandPictures;

using DrillStart = testing::WindowTest;
using KeyDrill = testing::WindowTest;
using AltStop = testing::WindowTest;
using BlindDrill = testing::WindowTest;

TEST_F(DrillStart, LocksTheWindowResetsTheRunAndLightsTheFirstTarget) {
  const int reseeds = platform.reseeds;
  startDrillOn(4);
  const Form& f = form();
  testing::expectLocked(f, true);
  EXPECT_FALSE(f.lblElapsedTime.enabled);
  EXPECT_TRUE(f.timSeconds.enabled);
  EXPECT_EQ(f.txtCount.caption, "0");
  EXPECT_EQ(f.txtCountError.caption, "0");
  EXPECT_EQ(f.lblElapsedTime.caption, "00:00:00");
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_EQ(f.startTime, platform.now);
  EXPECT_EQ(platform.reseeds, reseeds + 1);
  EXPECT_EQ(f.targetSlot, 4);
  EXPECT_EQ(flaggedSlots(f), std::vector<int>{4});
  EXPECT_EQ(keyColoursOffRest(f), " button(4) Back(4) button(16)");
  EXPECT_EQ(visibleHandPictures(f), "ZGar2");
  EXPECT_EQ(visibleCircle(f), 4);
  EXPECT_EQ(f.keyLabel[4].caption, "T");  // labels shown: none changes
  EXPECT_EQ(f.keyLabel[0].caption, "Q");
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(DrillStart, DrawsOfZeroAndOfTheLargestValueBelowOneGiveWAndTheSpaceBar) {
  struct Case {
    float r;
    int target;
    std::string_view hands;
    int circle;
    std::string_view painted;
  };
  for (const Case c :
       {Case{0.0f, 1, "ZGar4", 2, " button(1) Back(1) button(14)"},
        Case{std::nextafter(1.0f, 0.0f), 34, "BGar1 ZGar1", 0, " button(34) Back(34)"}}) {
    SCOPED_TRACE("target " + std::to_string(c.target));
    testing::LoadedWindow w;
    w.platform.queueRandom({c.r});
    w.window.click(w.form().Start);
    EXPECT_EQ(w.form().targetSlot, c.target);
    EXPECT_EQ(flaggedSlots(w.form()), std::vector<int>{c.target});
    EXPECT_EQ(visibleHandPictures(w.form()), c.hands);
    EXPECT_EQ(visibleCircle(w.form()), c.circle);
    EXPECT_EQ(keyColoursOffRest(w.form()), c.painted);
  }
}

TEST_F(DrillStart, WithBlankedLabelsOnlyTheTargetShowsItsLetter) {
  struct Case {
    bool mongolian;
    int target;
    std::string_view caption;
  };
  for (const Case c : {Case{false, 16, "F"}, Case{true, 16, "Ө"}, Case{false, 34, ""}}) {
    SCOPED_TRACE("target " + std::to_string(c.target));
    testing::LoadedWindow w;
    if (c.mongolian) w.window.click(w.form().OptMon);
    w.window.click(w.form().cmdNoView);
    w.startDrillOn(c.target);
    std::vector<std::string> expected(34);
    if (c.target < 34) expected[static_cast<std::size_t>(c.target)] = c.caption;
    EXPECT_EQ(testing::keyCaptions(w.form()), expected);
    EXPECT_FALSE(w.form().cmdShow.enabled);
    EXPECT_FALSE(w.form().cmdNoView.enabled);
  }
}

TEST_F(KeyDrill, AWholeDrillKeyAfterKey) {
  startDrillOn(4);

  platform.queueRandom({drawOf(9)});
  window.keyDown(codeOf(4));
  EXPECT_EQ(form().targetSlot, 9);
  EXPECT_EQ(flaggedSlots(form()), std::vector<int>{9});
  EXPECT_TRUE(pressed(4));
  EXPECT_EQ(labelTop(4), 7230);
  EXPECT_EQ(form().txtCount.caption, "1");
  EXPECT_EQ(form().ProgressBar1.value, 5);
  // The new target shows on the release, not yet.
  EXPECT_EQ(keyColoursOffRest(form()), " button(4) Back(4) button(16)");
  EXPECT_EQ(visibleHandPictures(form()), "ZGar2");

  window.keyUp(codeOf(4));
  EXPECT_FALSE(pressed(4));
  EXPECT_EQ(labelTop(4), 7200);
  EXPECT_EQ(keyColoursOffRest(form()), " button(9) Back(9) button(22)");
  EXPECT_EQ(visibleHandPictures(form()), "BGar5");
  EXPECT_EQ(visibleCircle(form()), 8);

  hit(9, 34);
  EXPECT_EQ(form().ProgressBar1.value, 10);
  EXPECT_EQ(keyColoursOffRest(form()), " button(34) Back(34)");
  EXPECT_EQ(visibleHandPictures(form()), "BGar1 ZGar1");
  EXPECT_EQ(visibleCircle(form()), 0);

  hit(34, 16);
  EXPECT_EQ(form().ProgressBar1.value, 5);
  EXPECT_EQ(keyColoursOffRest(form()), " Back(16)");
  EXPECT_EQ(visibleHandPictures(form()), "ZGar2");
  EXPECT_EQ(visibleCircle(form()), 0);

  EXPECT_EQ(form().hitCount, 3);
  EXPECT_EQ(form().txtCount.caption, "3");
  EXPECT_EQ(form().txtCountError.caption, "0");
  EXPECT_EQ(platform.beeps, 0);
  for (int slot = 0; slot < 34; ++slot) {
    EXPECT_EQ(labelTop(slot), testing::expectedLabelRest(slot).y) << "slot " << slot;
  }
}

TEST_F(KeyDrill, AnyOtherKeyIsAMissWithABeepAndChangesNoKey) {
  startDrillOn(4);
  int misses = 0;
  // Q (a key of the table), Shift, Ctrl, Enter, digit 1, left arrow, F1.
  for (int code : {81, 16, 17, 13, 49, 37, 112}) {
    SCOPED_TRACE("key code " + std::to_string(code));
    const auto before = testing::screenOf(form());
    window.keyDown(code);
    ++misses;
    EXPECT_EQ(form().missCount, misses);
    EXPECT_EQ(form().txtCountError.caption, std::to_string(misses));
    EXPECT_EQ(platform.beeps, misses);
    auto after = testing::screenOf(form());
    after.missCount = before.missCount;
    for (std::size_t i = 0; i < after.controls.size(); ++i) {
      if (after.controls[i].name == "txtCountError") after.controls[i] = before.controls[i];
    }
    EXPECT_EQ(testing::firstDifference(before, after), "");
  }
}

TEST_F(KeyDrill, HoldingTheTargetDownHitsOnceThenMisses) {
  startDrillOn(4);
  platform.queueRandom({drawOf(9)});
  for (int repeat = 0; repeat < 3; ++repeat) window.keyDown(codeOf(4));
  EXPECT_EQ(form().hitCount, 1);
  EXPECT_EQ(form().missCount, 2);
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(labelTop(4), 7230);
}

TEST_F(KeyDrill, TheNextTargetIsNeverTheKeyJustStruck) {
  struct Case {
    int struck, draw, next;
  };
  for (const Case c : {Case{33, 33, 34}, Case{33, 34, 34}, Case{34, 34, 0}, Case{34, 1, 1},
                       Case{5, 5, 6}, Case{12, 12, 13}, Case{12, 13, 13}}) {
    SCOPED_TRACE("struck " + std::to_string(c.struck) + " draw " + std::to_string(c.draw));
    testing::LoadedWindow w;
    w.startDrillOn(c.struck);
    w.platform.queueRandom({drawOf(c.draw)});
    w.window.keyDown(codeOf(c.struck));
    EXPECT_EQ(w.form().targetSlot, c.next);
    EXPECT_EQ(flaggedSlots(w.form()), std::vector<int>{c.next});
  }
}

TEST_F(KeyDrill, QBecomesATargetAfterTheSpaceBarAndCanBeHit) {
  startDrillOn(34);
  hit(34, 34);
  ASSERT_EQ(form().targetSlot, 0);
  EXPECT_EQ(keyColoursOffRest(form()), " button(0) Back(0) button(13)");
  EXPECT_EQ(visibleHandPictures(form()), "ZGar5");
  EXPECT_EQ(visibleCircle(form()), 1);
  hit(0, 5);
  EXPECT_EQ(form().hitCount, 2);
  EXPECT_EQ(form().targetSlot, 5);
}

TEST_F(KeyDrill, PressingAndReleasingTheSpaceBarMovesNoLabel) {
  startDrillOn(34);
  const auto restTops = [this] {
    std::vector<int> tops;
    for (int slot = 0; slot < 34; ++slot) tops.push_back(labelTop(slot));
    return tops;
  };
  const std::vector<int> before = restTops();
  platform.queueRandom({drawOf(4)});
  window.keyDown(32);
  EXPECT_TRUE(pressed(34));
  EXPECT_EQ(restTops(), before);
  window.keyUp(32);
  EXPECT_FALSE(pressed(34));
  EXPECT_EQ(restTops(), before);
}

TEST_F(KeyDrill, WithNoDrillRunningKeysShowAndCountNothing) {
  const auto before = testing::screenOf(form());
  for (int code : {84, 81, 32, 16, 13}) {
    window.keyDown(code);
    window.keyUp(code);
  }
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(form())), "");
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(AltStop, EndsARunningDrillAndKeepsTheCounts) {
  startDrillOn(4);
  window.keyDown(codeOf(0));
  hit(4, 34);
  ticks(3, std::chrono::seconds(1));
  ASSERT_EQ(flaggedSlots(form()), std::vector<int>{34});

  window.keyDown(testing::kAlt);
  const Form& f = form();
  testing::expectLocked(f, false);
  EXPECT_TRUE(f.lblElapsedTime.enabled);
  EXPECT_FALSE(f.timSeconds.enabled);
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_TRUE(flaggedSlots(f).empty());
  EXPECT_EQ(keyColoursOffRest(f), "");
  EXPECT_EQ(visibleHandPictures(f), "BGar ZGar");
  EXPECT_EQ(visibleCircle(f), 0);
  EXPECT_EQ(f.txtCount.caption, "1");
  EXPECT_EQ(f.txtCountError.caption, "1");
  EXPECT_EQ(f.lblElapsedTime.caption, "00:00:03");
  EXPECT_EQ(f.targetSlot, 34);
  EXPECT_EQ(platform.beeps, 1);  // the miss; Alt is never one

  const auto before = testing::screenOf(f);
  window.keyUp(testing::kAlt);
  ticks(1);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(f)), "");
}

TEST_F(AltStop, WithNoDrillTidiesTheWindowAndCountsNothing) {
  chooseMenuEntry(form().lblSubMenu2);
  chooseMenuEntry(form().lblSubMenu3);
  ASSERT_FALSE(form().lblElapsedTime.enabled);
  platform.beeps = 0;
  window.keyDown(testing::kAlt);
  EXPECT_TRUE(form().lblElapsedTime.enabled);
  EXPECT_EQ(form().txtCount.caption, "0");
  EXPECT_EQ(form().txtCountError.caption, "0");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(form().Start.enabled);
}

TEST_F(AltStop, InBlindModeBlanksTheRevealedLabelAgain) {
  window.click(form().cmdNoView);
  startDrillOn(16);
  ASSERT_EQ(form().keyLabel[16].caption, "F");
  window.keyDown(testing::kAlt);
  EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34));
  EXPECT_TRUE(form().blindMode);
  EXPECT_FALSE(form().cmdNoView.enabled);
  EXPECT_TRUE(form().cmdShow.enabled);
}

TEST_F(BlindDrill, StartAfterBackShowsOnlyItsOwnTargetsLetterEvenWhenQWasShown) {
  window.click(form().cmdNoView);
  startDrillOn(34);
  hit(34, 34);  // after the space bar a draw of 34 gives Q
  ASSERT_EQ(form().targetSlot, 0);
  ASSERT_EQ(form().keyLabel[0].caption, "Q");
  chooseMenuEntry(form().lblSubMenu3);
  startDrillOn(16);
  std::vector<std::string> expected(34);
  expected[16] = "F";
  EXPECT_EQ(testing::keyCaptions(form()), expected);
}

TEST_F(BlindDrill, JAndKRevealTheNextLetterAtKeyDownAndEveryOtherKeyAtKeyUp) {
  for (int struck = 1; struck <= 34; ++struck) {
    SCOPED_TRACE("struck " + std::to_string(struck));
    const bool atKeyDown = struck == 19 || struck == 20;  // J and K
    const int next = struck == 4 ? 9 : 4;
    testing::LoadedWindow w;
    w.window.click(w.form().cmdNoView);
    w.startDrillOn(struck);
    w.platform.queueRandom({drawOf(next)});
    w.window.keyDown(codeOf(struck));
    std::vector<std::string> expected(34);
    if (struck < 34) expected[static_cast<std::size_t>(struck)] = kExpectedKeys[struck].english;
    if (atKeyDown) {
      expected[static_cast<std::size_t>(struck)] = "";
      expected[static_cast<std::size_t>(next)] = kExpectedKeys[next].english;
    }
    EXPECT_EQ(testing::keyCaptions(w.form()), expected);
    w.window.keyUp(codeOf(struck));
    expected = std::vector<std::string>(34);
    expected[static_cast<std::size_t>(next)] = kExpectedKeys[next].english;
    EXPECT_EQ(testing::keyCaptions(w.form()), expected);
  }
}

TEST_F(KeyDrill, MissesCountPastTheSixteenBitLimit) {
  startDrillOn(4);
  for (int n = 0; n < 32770; ++n) window.keyDown(16);
  EXPECT_EQ(form().missCount, 32770);
  EXPECT_EQ(form().txtCountError.caption, "32770");
}

}  // namespace
}  // namespace arvan
