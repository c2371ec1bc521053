// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "app/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_up.h"
#include "window_fixture.h"

namespace arvan {
namespace {

using testing::kExpectedKeys;

std::vector<std::string> column(std::string_view testing::ExpectedKey::*caption) {
  std::vector<std::string> captions;
  for (int slot = 0; slot < 34; ++slot) {
    captions.emplace_back(kExpectedKeys[static_cast<std::size_t>(slot)].*caption);
  }
  return captions;
}

std::vector<std::string> englishCaptions() { return column(&testing::ExpectedKey::english); }
std::vector<std::string> mongolianCaptions() { return column(&testing::ExpectedKey::mongolian); }

using SpeedOption = testing::WindowTest;
using LayoutOption = testing::WindowTest;
using LabelDisplay = testing::WindowTest;

TEST_F(SpeedOption, EachClickBeepsAndSetsItsIntervalWithoutStartingTheTimer) {
  struct Case {
    const Control* option;
    int interval;
  };
  int beeps = 0;
  // Option3 is already selected: clicking it again beeps again all the same.
  for (const Case c : {Case{&form().Option1, 130}, Case{&form().Option2, 180},
                       Case{&form().Option3, 250}, Case{&form().Option3, 250}}) {
    SCOPED_TRACE(std::string(c.option->name));
    window.click(*c.option);
    EXPECT_EQ(platform.beeps, ++beeps);
    EXPECT_EQ(form().timSeconds.interval, c.interval);
    EXPECT_FALSE(form().timSeconds.enabled);
    for (const Control* o : {&form().Option1, &form().Option2, &form().Option3}) {
      EXPECT_EQ(o->value, o == c.option ? 1 : 0) << o->name;
    }
  }
  EXPECT_EQ(form().OptEng.value, 1);  // the other group is left alone
}

TEST_F(LayoutOption, MongolianShowsTheStripesAndCapitalCaptions) {
  window.click(form().OptMon);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(form().OptMon.value, 1);
  EXPECT_EQ(form().OptEng.value, 0);
  EXPECT_FALSE(form().ImgEng.visible);
  EXPECT_TRUE(form().Dalbaa1.visible && form().Dalbaa2.visible && form().Dalbaa3.visible);
  EXPECT_EQ(testing::keyCaptions(form()), mongolianCaptions());
  EXPECT_EQ(form().Option3.value, 1);
}

TEST_F(LayoutOption, SwitchingBackAndForthKeepsCapitalsOnSlotsTenAndEleven) {
  window.click(form().OptMon);
  window.click(form().OptEng);
  EXPECT_TRUE(form().ImgEng.visible);
  EXPECT_FALSE(form().Dalbaa1.visible || form().Dalbaa2.visible || form().Dalbaa3.visible);
  EXPECT_EQ(testing::keyCaptions(form()), englishCaptions());
  window.click(form().OptMon);
  EXPECT_EQ(form().keyLabel[10].caption, "К");
  EXPECT_EQ(form().keyLabel[11].caption, "Ъ");
  EXPECT_EQ(platform.beeps, 3);
}

TEST_F(LayoutOption, ClickingTheSelectedLayoutAgainRewritesTheCompactForms) {
  window.click(form().cmdShow);
  ASSERT_EQ(form().keyLabel[10].caption, "{ [");
  window.click(form().OptEng);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(testing::keyCaptions(form()), englishCaptions());
}

TEST_F(LayoutOption, WhileLabelsAreBlankedOnlyTheFlagPicturesChange) {
  window.click(form().cmdNoView);
  window.click(form().OptMon);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34));
  EXPECT_TRUE(form().Dalbaa2.visible);
  EXPECT_FALSE(form().ImgEng.visible);
  EXPECT_TRUE(form().blindMode);
  window.click(form().OptEng);
  window.click(form().OptMon);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34));
  // A later show-labels writes the layout selected meanwhile.
  window.click(form().cmdShow);
  EXPECT_EQ(form().keyLabel[10].caption, "к");
  EXPECT_EQ(form().keyLabel[16].caption, "Ө");
}

TEST_F(LabelDisplay, ShowLabelsWritesTheSpacedEnglishFormsWithoutABeep) {
  window.click(form().cmdShow);
  std::vector<std::string> expected = englishCaptions();
  expected[10] = "{ [";
  expected[11] = "] }";
  expected[22] = ": ;";
  expected[23] = "\"";
  EXPECT_EQ(testing::keyCaptions(form()), expected);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(form().blindMode);
  EXPECT_FALSE(form().cmdShow.enabled);
  EXPECT_TRUE(form().cmdNoView.enabled);
}

TEST_F(LabelDisplay, ShowLabelsWritesLowerCaseLettersOnSlotsTenAndElevenInMongolian) {
  window.click(form().OptMon);
  window.click(form().cmdShow);
  std::vector<std::string> expected = mongolianCaptions();
  expected[10] = "к";
  expected[11] = "ъ";
  EXPECT_EQ(testing::keyCaptions(form()), expected);
  // The layout button brings the capitals back.
  window.click(form().OptMon);
  EXPECT_EQ(testing::keyCaptions(form()), mongolianCaptions());
}

TEST_F(LabelDisplay, BlankLabelsEmptiesEveryLabelWithoutABeepAndSwapsTheButtons) {
  window.click(form().cmdNoView);
  EXPECT_EQ(testing::keyCaptions(form()), std::vector<std::string>(34));
  EXPECT_TRUE(form().blindMode);
  EXPECT_FALSE(form().cmdNoView.enabled);
  EXPECT_TRUE(form().cmdShow.enabled);
  EXPECT_EQ(platform.beeps, 0);
  // A disabled button raises no click.
  window.click(form().cmdNoView);
  window.click(form().cmdShow);
  EXPECT_FALSE(form().blindMode);
  EXPECT_EQ(testing::keyCaptions(form())[0], "Q");
}

TEST_F(SpeedOption, ARunningDrillLocksEveryOption) {
  startDrillOn(4);
  platform.beeps = 0;
  const auto before = testing::screenOf(form());
  for (const Control* c : {&form().Option1, &form().Option2, &form().OptMon, &form().OptEng,
                           &form().cmdShow, &form().cmdNoView}) {
    window.click(*c);
  }
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(form())), "");
  EXPECT_EQ(platform.beeps, 0);
}

TEST(OptionFromCode, RunsItsActionOnlyWhenNotAlreadySelected) {
  testing::FakePlatform platform;
  Form f;
  startUp(f, platform);
  ASSERT_EQ(platform.beeps, 2);

  selectOption(f, platform, f.Option3);  // already selected: nothing
  selectOption(f, platform, f.OptEng);
  EXPECT_EQ(platform.beeps, 2);

  selectOption(f, platform, f.Option1);
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_EQ(f.timSeconds.interval, 130);
  EXPECT_EQ(f.Option3.value, 0);

  selectOption(f, platform, f.OptMon);
  EXPECT_EQ(platform.beeps, 4);
  EXPECT_EQ(f.keyLabel[16].caption, "Ө");
  EXPECT_EQ(f.OptEng.value, 0);

  // A learner's click on the selected button runs its action all the same.
  runOptionAction(f, platform, f.OptMon);
  EXPECT_EQ(platform.beeps, 5);
}

}  // namespace
}  // namespace arvan
