// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/key_release.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

using testing::codeOf;
using testing::drawOf;
using testing::flaggedSlots;
using testing::keyColoursOffRest;

using KeyRelease = testing::WindowTest;
using LabelDrift = testing::WindowTest;
using StuckKey = testing::WindowTest;

TEST_F(KeyRelease, AKeyWithoutAPressedLookRepaintsTheTargetWithoutAColourReset) {
  startDrillOn(4);
  platform.queueRandom({drawOf(9)});
  window.keyDown(codeOf(4));  // the target moves to P; T is pressed
  // Shift has no slot; Q has one but was not pressed.
  for (int code : {16, codeOf(0)}) {
    SCOPED_TRACE("key code " + std::to_string(code));
    window.keyUp(code);
    EXPECT_EQ(keyColoursOffRest(form()),
              " button(4) Back(4) button(9) Back(9) button(16) "
              "button(22)");
    EXPECT_EQ(testing::visibleHandPictures(form()), "BGar5");
    EXPECT_EQ(testing::visibleCircle(form()), 8);
    EXPECT_TRUE(pressed(4));
    EXPECT_EQ(labelTop(4), 7230);
    EXPECT_EQ(flaggedSlots(form()), std::vector<int>{9});
  }
  window.keyUp(codeOf(4));
  EXPECT_FALSE(pressed(4));
  EXPECT_EQ(keyColoursOffRest(form()), " button(9) Back(9) button(22)");
}

TEST_F(KeyRelease, InTypingModesRestoresTheKeyButLeavesTargetColoursAndCaptions) {
  startDrillOn(4);
  for (const Control* entry : {&form().lblSubMenu2, &form().lblSubMenu1}) {
    SCOPED_TRACE(std::string(entry->name));
    chooseMenuEntry(*entry);
    window.keyDown(codeOf(9));
    const auto captions = testing::keyCaptions(form());
    const std::string colours = keyColoursOffRest(form());
    window.keyUp(codeOf(9));
    EXPECT_FALSE(pressed(9));
    EXPECT_EQ(labelTop(9), 7200);
    EXPECT_EQ(flaggedSlots(form()), std::vector<int>{4});
    EXPECT_EQ(keyColoursOffRest(form()), colours);
    EXPECT_EQ(testing::keyCaptions(form()), captions);
  }
}

// A key label stands at its rest place, or 30 twips below it while its key
// shows its pressed look, whatever auto-repeat and stray releases arrive.
TEST_F(LabelDrift, LabelsNeverDriftInAnyMode) {
  struct Case {
    std::string_view mode;
    int slot;
  };
  for (const Case c :
       {Case{"free typing", 0}, Case{"word typing", 18}, Case{"key drill", 4}, Case{"idle", 27}}) {
    SCOPED_TRACE(std::string(c.mode));
    testing::LoadedWindow w;
    const Form& f = w.form();
    if (c.mode == "free typing") w.chooseMenuEntry(f.lblSubMenu2);
    if (c.mode == "word typing") w.chooseMenuEntry(f.lblSubMenu1);
    if (c.mode == "key drill") {
      w.startDrillOn(c.slot);
      w.platform.queueRandom({drawOf(9)});
    }
    const auto i = static_cast<std::size_t>(c.slot);
    const int rest = testing::expectedLabelRest(c.slot).y;
    const bool pressable = c.mode != "idle";
    for (int repeat = 0; repeat < 4; ++repeat) w.window.keyDown(codeOf(c.slot));
    EXPECT_EQ(f.keyLabel[i].rect.top, pressable ? rest + 30 : rest);
    EXPECT_EQ(f.fore[i].visible, pressable);
    for (int release = 0; release < 3; ++release) {
      w.window.keyUp(codeOf(c.slot));
      EXPECT_EQ(f.keyLabel[i].rect.top, rest);
      EXPECT_TRUE(f.Back[i].visible);
      EXPECT_FALSE(f.fore[i].visible);
    }
  }
}

TEST_F(StuckKey, AKeyHeldWhenTheDrillEndsGetsItsRestLookOnReleaseAndNothingElse) {
  struct Case {
    std::string_view endedBy;
  };
  for (const Case c : {Case{"Alt"}, Case{"timer"}}) {
    SCOPED_TRACE(std::string(c.endedBy));
    testing::LoadedWindow w;
    w.startDrillOn(4);
    w.platform.queueRandom({drawOf(9)});
    w.window.keyDown(codeOf(4));
    if (c.endedBy == "Alt") {
      w.window.keyDown(testing::kAlt);
    } else {
      w.ticks(100);
    }
    ASSERT_TRUE(w.form().Start.enabled);
    ASSERT_FALSE(w.form().Back[4].visible);

    auto expected = testing::screenOf(w.form());
    w.window.keyUp(codeOf(4));
    const auto after = testing::screenOf(w.form());
    for (Control& control : expected.controls) {
      if (control.name == "Back(4)") control.visible = true;
      if (control.name == "fore(4)") control.visible = false;
      if (control.name == "T") control.rect.top = 7200;
    }
    EXPECT_EQ(testing::firstDifference(expected, after), "");
  }
}

}  // namespace
}  // namespace arvan
