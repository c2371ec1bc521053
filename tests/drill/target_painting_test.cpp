// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/target_painting.h"

#include <gtest/gtest.h>

#include <string>

#include "app/options.h"
#include "app/start_up.h"
#include "window_fixture.h"

namespace arvan {
namespace {

using testing::kExpectedKeys;

// The window after start-up with `target` flagged and, if `running`, a drill
// running (Start disabled), as the drill start leaves it before painting.
struct Keyboard {
  explicit Keyboard(int target, bool running = true) {
    startUp(form, platform);
    form.Start.enabled = !running;
    form.button[static_cast<std::size_t>(target)].borderStyle = kBorderInsideSolid;
  }
  testing::FakePlatform platform;
  Form form;
};

// The key shapes off their rest colours, in the order keyColoursOffRest
// lists them: the target's outline (unless it rests red anyway), its face,
// and the outline of its home key.
std::string paintedShapes(int target, int home) {
  std::string painted;
  for (int slot = 0; slot < 35; ++slot) {
    if ((slot == target && !testing::isHomeRowKey(slot)) || slot == home) {
      painted += " button(" + std::to_string(slot) + ")";
    }
    if (slot == target) painted += " Back(" + std::to_string(slot) + ")";
  }
  return painted;
}

TEST(PaintTargetKey, EveryTargetLightsItsKeyGreysItsHomeKeyRingsItAndShowsItsFinger) {
  for (int slot = 0; slot < 35; ++slot) {
    SCOPED_TRACE("target " + std::to_string(slot));
    const auto& expected = kExpectedKeys[static_cast<std::size_t>(slot)];
    Keyboard k(slot);
    PaintTargetKey(k.form, slot);

    EXPECT_EQ(k.form.button[static_cast<std::size_t>(slot)].backColour, testing::kRedOutline);
    EXPECT_EQ(k.form.Back[static_cast<std::size_t>(slot)].backColour, testing::kGreenFace);
    if (expected.home >= 0) {
      EXPECT_EQ(k.form.button[static_cast<std::size_t>(expected.home)].backColour,
                testing::kGreyOutline);
    }
    EXPECT_EQ(testing::keyColoursOffRest(k.form), paintedShapes(slot, expected.home));
    EXPECT_EQ(testing::visibleCircle(k.form), expected.circle);
    EXPECT_EQ(testing::visibleHandPictures(k.form), expected.finger);
  }
}

TEST(PaintTargetKey, DoesNothingWhileNoDrillRunsEvenForTheFlaggedTarget) {
  Keyboard k(4, /*running=*/false);
  const auto before = testing::screenOf(k.form);
  PaintTargetKey(k.form, 4);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(k.form)), "");
}

TEST(PaintTargetKey, DoesNothingForASlotWithoutTheTargetFlag) {
  Keyboard k(4);
  PaintTargetKey(k.form, 4);
  const auto before = testing::screenOf(k.form);
  PaintTargetKey(k.form, 9);
  ShowFingerGuide(k.form, 9);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(k.form)), "");
  EXPECT_EQ(testing::visibleHandPictures(k.form), "ZGar2");
}

TEST(PaintTargetKey, TwiceGivesTheSameScreenAsOnce) {
  Keyboard once(12), twice(12);
  PaintTargetKey(once.form, 12);
  PaintTargetKey(twice.form, 12);
  PaintTargetKey(twice.form, 12);
  EXPECT_EQ(testing::firstDifference(testing::screenOf(once.form), testing::screenOf(twice.form)),
            "");
  EXPECT_EQ(once.form.button[22].backColour, testing::kGreyOutline);
  EXPECT_EQ(testing::visibleCircle(once.form), 8);
}

TEST(PaintTargetKey, ANewTargetHidesTheCircleOfTheOldOne) {
  Keyboard k(4);
  PaintTargetKey(k.form, 4);
  k.form.button[4].borderStyle = kBorderSolid;
  k.form.button[31].borderStyle = kBorderInsideSolid;
  PaintTargetKey(k.form, 31);
  EXPECT_EQ(testing::visibleCircle(k.form), 6);
  EXPECT_EQ(testing::visibleHandPictures(k.form), "BGar3");
}

TEST(ShowFingerGuide, ShowsOnlyTheStrikingFingerAndTouchesNoColour) {
  Keyboard k(34);
  ShowFingerGuide(k.form, 34);
  EXPECT_EQ(testing::visibleHandPictures(k.form), "BGar1 ZGar1");
  EXPECT_EQ(testing::keyColoursOffRest(k.form), "");
  EXPECT_EQ(testing::visibleCircle(k.form), 0);
}

TEST(RevealTargetLabel, ShowsOnlyTheTargetsLayoutCaptionAndLocksBothLabelButtons) {
  struct Case {
    int target;
    bool mongolian;
    std::string_view caption;
  };
  for (const Case c : {Case{16, true, "Ө"}, Case{10, false, "{["}, Case{23, false, "'"},
                       Case{10, true, "К"}, Case{12, true, "—"}, Case{22, false, ":;"}}) {
    SCOPED_TRACE("target " + std::to_string(c.target));
    Keyboard k(c.target);
    if (c.mongolian) selectOption(k.form, k.platform, k.form.OptMon);
    showLabels(k.form);  // the spaced forms, which the reveal must not use
    RevealTargetLabel(k.form, c.target);
    for (int slot = 0; slot < 34; ++slot) {
      EXPECT_EQ(k.form.keyLabel[static_cast<std::size_t>(slot)].caption,
                slot == c.target ? c.caption : "")
          << "slot " << slot;
    }
    EXPECT_TRUE(k.form.blindMode);
    EXPECT_FALSE(k.form.cmdShow.enabled);
    EXPECT_FALSE(k.form.cmdNoView.enabled);
  }
}

TEST(RevealTargetLabel, SpaceBarTargetLeavesEveryLabelBlank) {
  Keyboard k(34);
  RevealTargetLabel(k.form, 34);
  EXPECT_EQ(testing::keyCaptions(k.form), std::vector<std::string>(34));
  EXPECT_FALSE(k.form.cmdShow.enabled);
  EXPECT_FALSE(k.form.cmdNoView.enabled);
}

TEST(RevealTargetLabel, DoesNothingForASlotThatIsNotTheTarget) {
  Keyboard k(16);
  const auto before = testing::screenOf(k.form);
  RevealTargetLabel(k.form, 15);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(k.form)), "");
}

TEST(RevealTargetLabel, DoesNothingWithNeitherLayoutSelected) {
  testing::FakePlatform platform;
  Form form;  // as designed: no option button selected
  form.button[16].borderStyle = kBorderInsideSolid;
  const auto before = testing::screenOf(form);
  RevealTargetLabel(form, 16);
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(form)), "");
}

TEST(ResetKeyColours, RestoresEveryFaceAndOutlineButKeepsFlagsLooksAndLabels) {
  Keyboard k(12);
  PaintTargetKey(k.form, 12);
  k.form.Back[0].backColour = testing::kGreenFace;
  k.form.Back[34].backColour = testing::kGreenFace;
  k.form.button[16].backColour = testing::kGreyOutline;
  k.form.Back[5].visible = false;
  k.form.fore[5].visible = true;
  ResetKeyColours(k.form);
  EXPECT_EQ(testing::keyColoursOffRest(k.form), "");
  EXPECT_EQ(testing::flaggedSlots(k.form), std::vector<int>{12});
  EXPECT_TRUE(k.form.fore[5].visible);
  EXPECT_FALSE(k.form.Back[5].visible);
  EXPECT_EQ(k.form.keyLabel[12].caption, "|");
  // The circle and finger picture are not colours; they stay.
  EXPECT_EQ(testing::visibleCircle(k.form), 8);
  EXPECT_EQ(testing::visibleHandPictures(k.form), "BGar5");
}

}  // namespace
}  // namespace arvan
