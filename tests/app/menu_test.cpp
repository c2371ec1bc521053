// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

using Menu = testing::WindowTest;

// How many of the six menu entry controls are visible.
int visibleEntries(const Form& f) {
  int shown = 0;
  for (const Control* c : {&f.lblSubMenu1, &f.ShapeSubMenu1, &f.lblSubMenu2, &f.ShapeSubMenu2,
                           &f.lblSubMenu3, &f.ShapeSubMenu3}) {
    shown += c->visible ? 1 : 0;
  }
  return shown;
}

TEST_F(Menu, TitleOpensTheEntriesAndOnlyABackgroundClickClosesThem) {
  window.click(form().lblSubMenu1);  // a hidden entry raises no click
  EXPECT_FALSE(form().Text1.visible);

  window.click(form().lblMenu1);
  EXPECT_EQ(visibleEntries(form()), 6);
  window.click(form().lblMenu1);
  EXPECT_EQ(visibleEntries(form()), 6);
  // A key label and a picture take the click themselves.
  window.click(form().keyLabel[0]);
  window.click(form().Image6);
  EXPECT_EQ(visibleEntries(form()), 6);
  window.clickBackground();
  EXPECT_EQ(visibleEntries(form()), 0);
  window.clickBackground();
  EXPECT_EQ(visibleEntries(form()), 0);
}

TEST_F(Menu, OpensDuringARunningDrill) {
  startDrillOn(4);
  window.click(form().lblMenu1);
  EXPECT_EQ(visibleEntries(form()), 6);
}

TEST_F(Menu, WordTypingShowsThePracticeTextAndRunsTheClock) {
  chooseMenuEntry(form().lblSubMenu1);
  const Form& f = form();
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(f.OptMon.value, 1);
  EXPECT_EQ(f.keyLabel[0].caption, "Ф");
  EXPECT_TRUE(f.Text1.visible);
  EXPECT_FALSE(f.Text2.visible);
  EXPECT_TRUE(f.ShapeSambar.visible);
  EXPECT_FALSE(f.Image6.visible);
  EXPECT_EQ(visibleEntries(f), 0);
  EXPECT_EQ(f.txtCount.caption, "0");
  EXPECT_EQ(f.txtCountError.caption, "0");
  EXPECT_EQ(f.lblElapsedTime.caption, "00:00:00");
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_TRUE(f.timSeconds.enabled);
  testing::expectLocked(f, true);
  EXPECT_TRUE(f.lblElapsedTime.enabled);
  EXPECT_EQ(testing::visibleHandPictures(f), "BGar ZGar");
  EXPECT_EQ(testing::visibleCircle(f), 0);
  EXPECT_EQ(f.textPos, 1);
}

TEST_F(Menu, WordTypingDuringADrillResetsItsColoursButNotItsFlag) {
  startDrillOn(4);
  chooseMenuEntry(form().lblSubMenu1);
  EXPECT_EQ(testing::keyColoursOffRest(form()), "");
  EXPECT_EQ(testing::visibleHandPictures(form()), "BGar ZGar");
  EXPECT_EQ(testing::visibleCircle(form()), 0);
  EXPECT_EQ(testing::flaggedSlots(form()), std::vector<int>{4});
}

TEST_F(Menu, WordTypingTwiceResetsCountsAndClockButKeepsThePosition) {
  chooseMenuEntry(form().lblSubMenu1);
  window.keyDown(72);  // х
  window.keyDown(81);  // ф, where у is due
  ticks(1, std::chrono::seconds(5));
  ASSERT_EQ(form().lblElapsedTime.caption, "00:00:05");
  ASSERT_EQ(form().textPos, 2);

  chooseMenuEntry(form().lblSubMenu1);
  EXPECT_EQ(form().txtCount.caption, "0");
  EXPECT_EQ(form().txtCountError.caption, "0");
  EXPECT_EQ(form().hitCount + form().missCount, 0);
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:00");
  EXPECT_EQ(form().ProgressBar1.value, 0);
  EXPECT_EQ(form().textPos, 2);
  EXPECT_EQ(form().Text1.selStart, 1);  // the highlight stays on the next character
  window.keyDown(69);                   // у
  EXPECT_EQ(form().textPos, 3);
  EXPECT_EQ(form().txtCount.caption, "1");
}

TEST_F(Menu, FreeTypingShowsThePromptAndIsUntimed) {
  chooseMenuEntry(form().lblSubMenu1);
  chooseMenuEntry(form().lblSubMenu2);
  const Form& f = form();
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(f.Text2.caption, "Алив бичээд байгаарай " + std::string(38, ' '));
  EXPECT_TRUE(f.Text2.visible);
  EXPECT_FALSE(f.Text1.visible);
  EXPECT_FALSE(f.ShapeSambar.visible);
  EXPECT_FALSE(f.Image6.visible);
  EXPECT_EQ(visibleEntries(f), 0);
  EXPECT_FALSE(f.timSeconds.enabled);
  testing::expectLocked(f, true);
  EXPECT_FALSE(f.lblElapsedTime.enabled);
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_EQ(f.lblElapsedTime.caption, "00:00:00");
  EXPECT_EQ(f.txtCount.caption, "0");
  EXPECT_EQ(f.txtCountError.caption, "0");
}

TEST_F(Menu, FreeTypingLeavesTheDrillKeyboardHandsAndStartTime) {
  startDrillOn(4);
  const auto startTime = form().startTime;
  platform.advance(std::chrono::seconds(3));
  chooseMenuEntry(form().lblSubMenu2);
  EXPECT_EQ(testing::keyColoursOffRest(form()), " button(4) Back(4) button(16)");
  EXPECT_EQ(testing::visibleHandPictures(form()), "ZGar2");
  EXPECT_EQ(testing::visibleCircle(form()), 4);
  EXPECT_EQ(form().startTime, startTime);
}

TEST_F(Menu, EnteringATypingModeWhileBlankedStaysSilentAndBlank) {
  for (const Control* entry : {&form().lblSubMenu1, &form().lblSubMenu2}) {
    window.click(form().cmdNoView);
    chooseMenuEntry(*entry);
    EXPECT_EQ(platform.beeps, 0) << entry->name;
    EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34)) << entry->name;
    EXPECT_FALSE(form().ImgEng.visible);
    EXPECT_TRUE(form().Dalbaa1.visible);
    chooseMenuEntry(form().lblSubMenu3);
  }
}

TEST_F(Menu, BackReturnsEveryModeToIdle) {
  struct Case {
    std::string_view from;
    bool clockLabelEnabled;
  };
  for (const Case c : {Case{"idle", true}, Case{"key drill", false}, Case{"word typing", true},
                       Case{"free typing", false}}) {
    SCOPED_TRACE(std::string(c.from));
    testing::LoadedWindow w;
    const Form& f = w.form();
    if (c.from == "key drill") w.startDrillOn(9);
    if (c.from == "word typing") {
      w.chooseMenuEntry(f.lblSubMenu1);
      w.window.keyDown(72);  // х
      w.window.keyDown(69);  // у
    }
    if (c.from == "free typing") w.chooseMenuEntry(f.lblSubMenu2);
    w.ticks(1, std::chrono::seconds(2));
    w.chooseMenuEntry(f.lblSubMenu3);

    EXPECT_TRUE(f.Image6.visible);
    EXPECT_FALSE(f.Text1.visible || f.Text2.visible || f.ShapeSambar.visible);
    EXPECT_EQ(visibleEntries(f), 0);
    EXPECT_FALSE(f.timSeconds.enabled);
    EXPECT_EQ(f.ProgressBar1.value, 0);
    EXPECT_EQ(f.txtCount.caption, "0");
    EXPECT_EQ(f.txtCountError.caption, "0");
    EXPECT_EQ(f.lblElapsedTime.caption, "00:00:00");
    EXPECT_EQ(f.textPos, 1);
    EXPECT_EQ(f.Text1.selStart, 0);  // the highlight goes back to the first character
    EXPECT_EQ(f.Text1.selLength, 1);
    testing::expectLocked(f, false);
    EXPECT_EQ(f.lblElapsedTime.enabled, c.clockLabelEnabled);
    EXPECT_EQ(testing::keyColoursOffRest(f), "");
    EXPECT_EQ(testing::visibleHandPictures(f), "BGar ZGar");
    EXPECT_EQ(testing::visibleCircle(f), 0);
    // No more ticks come.
    w.ticks(1, std::chrono::seconds(2));
    EXPECT_EQ(f.lblElapsedTime.caption, "00:00:00");
  }
}

TEST_F(Menu, BackKeepsTheLayoutTheLabelDisplayAndEnablesBothLabelButtons) {
  window.click(form().cmdNoView);
  chooseMenuEntry(form().lblSubMenu1);
  chooseMenuEntry(form().lblSubMenu3);
  EXPECT_EQ(form().OptMon.value, 1);
  EXPECT_TRUE(form().blindMode);
  EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34));
  EXPECT_TRUE(form().cmdShow.enabled);
  EXPECT_TRUE(form().cmdNoView.enabled);

  window.click(form().cmdShow);
  chooseMenuEntry(form().lblSubMenu2);
  chooseMenuEntry(form().lblSubMenu3);
  EXPECT_EQ(form().keyLabel[16].caption, "Ө");
}

TEST_F(Menu, ClockLabelStaysDisabledAfterBackUntilAnAltStop) {
  chooseMenuEntry(form().lblSubMenu2);
  chooseMenuEntry(form().lblSubMenu3);
  EXPECT_FALSE(form().lblElapsedTime.enabled);
  startDrillOn(4);
  ticks(92);
  ASSERT_TRUE(form().Start.enabled);
  EXPECT_FALSE(form().lblElapsedTime.enabled);
  window.keyDown(testing::kAlt);
  EXPECT_TRUE(form().lblElapsedTime.enabled);
}

TEST_F(Menu, StartAfterLeavingADrillThroughBackFlagsOnlyItsOwnTarget) {
  startDrillOn(4);
  chooseMenuEntry(form().lblSubMenu3);
  ASSERT_EQ(testing::flaggedSlots(form()), std::vector<int>{4});  // back keeps the flag
  startDrillOn(9);
  EXPECT_EQ(testing::flaggedSlots(form()), std::vector<int>{9});
  // The old target is no target: pressing it is a miss.
  window.keyDown(testing::codeOf(4));
  EXPECT_EQ(form().missCount, 1);
  window.keyUp(testing::codeOf(4));
  EXPECT_EQ(testing::keyColoursOffRest(form()), " button(9) Back(9) button(22)");
}

}  // namespace
}  // namespace arvan
