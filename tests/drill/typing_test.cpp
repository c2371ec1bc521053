// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/typing_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

using testing::codeOf;
using testing::drawOf;
using testing::kExpectedKeys;

constexpr int kShift = 16;
constexpr int kEnter = 13;
constexpr int kBackslash = 220;
constexpr int kSpace = 32;

// Key codes of the practice text's opening "хурдан түргэн".
constexpr int kX = 72, kU = 69, kR = 74, kD = 186, kA = 71, kN = 89, kT = 77, kUe = 79, kG = 85;

class WordTyping : public testing::WindowTest {
 protected:
  WordTyping() {
    chooseMenuEntry(form().lblSubMenu1);
    platform.beeps = 0;
  }
  void type(std::initializer_list<int> codes) {
    for (int code : codes) {
      window.keyDown(code);
      window.keyUp(code);
    }
  }
};

class FreeTyping : public testing::WindowTest {
 protected:
  FreeTyping() {
    chooseMenuEntry(form().lblSubMenu2);
    platform.beeps = 0;
  }
  [[nodiscard]] std::string typedSoFar() const {
    const std::string prompt = "Алив бичээд байгаарай " + std::string(38, ' ');
    const std::string& text = form().Text2.caption;
    EXPECT_EQ(text.substr(0, prompt.size()), prompt);
    return text.substr(prompt.size());
  }
};

TEST_F(WordTyping, TheFirstCharacterIsHighlightedBeforeAnyKey) {
  EXPECT_EQ(form().Text1.selStart, 0);
  EXPECT_EQ(form().Text1.selLength, 1);
}

TEST_F(WordTyping, ARightKeyHighlightsTheNextCharacterAndCountsAHit) {
  window.keyDown(kX);
  EXPECT_EQ(form().Text1.selStart, 1);
  EXPECT_EQ(form().Text1.selLength, 1);
  EXPECT_EQ(form().textPos, 2);
  EXPECT_EQ(form().txtCount.caption, "1");
  EXPECT_EQ(form().typedChar, "х");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(form().ProgressBar1.value, 5);
  EXPECT_TRUE(pressed(18));
  EXPECT_EQ(labelTop(18), 7950);
  window.keyUp(kX);
  EXPECT_EQ(labelTop(18), 7920);
}

TEST_F(WordTyping, AWrongKeyBeepsCountsAndHoldsThePositionAndHighlight) {
  type({kX});
  type({codeOf(0)});  // ф, where у is due
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(form().txtCountError.caption, "1");
  EXPECT_EQ(form().textPos, 2);
  EXPECT_EQ(form().Text1.selStart, 1);
  EXPECT_EQ(form().Text1.selLength, 1);
  type({kU});
  EXPECT_EQ(form().textPos, 3);
  EXPECT_EQ(form().Text1.selStart, 2);
}

TEST_F(WordTyping, TheBarMovesByTheKeyRuleAndAWrongKeyAddsFiveFirst) {
  struct Step {
    int code;
    int bar;
  };
  // Right keys: below 10 add 5, else take 5. Wrong keys add 5 before that.
  for (const Step s : {Step{codeOf(0), 10}, Step{kX, 5}, Step{kU, 10}, Step{codeOf(0), 10},
                       Step{kR, 5}, Step{codeOf(0), 5}, Step{kBackslash, 10}, Step{kShift, 10}}) {
    type({s.code});
    EXPECT_EQ(form().ProgressBar1.value, s.bar) << "after key code " << s.code;
  }
}

TEST_F(WordTyping, AWrongKeyNearTheTopOfTheBarLeavesItWhereItStands) {
  ticks(88);
  ASSERT_EQ(form().ProgressBar1.value, 97);
  type({codeOf(0)});  // +5 for the wrong character, -5 for the key: held at 97
  EXPECT_EQ(form().ProgressBar1.value, 97);
  ticks(3);
  ASSERT_EQ(form().ProgressBar1.value, 100);
  type({codeOf(0)});  // the bar never passes 100, even for a moment
  EXPECT_EQ(form().ProgressBar1.value, 100);
  type({kX});
  EXPECT_EQ(form().ProgressBar1.value, 95);
}

TEST_F(WordTyping, TheFirstWordAndItsBlankAreRightAndTheNextLetterIsHighlighted) {
  type({kX, kU, kR, kD, kA, kN, kSpace});
  EXPECT_EQ(form().hitCount, 7);
  EXPECT_EQ(form().missCount, 0);
  EXPECT_EQ(form().textPos, 8);
  EXPECT_EQ(form().Text1.selStart, 7);
  type({kT, kUe, kR, kG});  // т ү р г
  EXPECT_EQ(form().textPos, 12);
}

TEST_F(WordTyping, BackslashCountsAHitWithoutACheck) {
  type({kBackslash});
  EXPECT_EQ(form().txtCount.caption, "1");
  EXPECT_EQ(form().textPos, 1);
  EXPECT_EQ(form().Text1.selStart, 0);
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(WordTyping, TheSpaceBarDrawsTargetSlotWithoutMarkingAKey) {
  for (int draw : {7, 34}) {
    platform.queueRandom({drawOf(draw)});
    window.keyDown(kSpace);
    EXPECT_EQ(form().targetSlot, draw == 34 ? 0 : draw);
    EXPECT_TRUE(testing::flaggedSlots(form()).empty());
    EXPECT_TRUE(pressed(34));
    window.keyUp(kSpace);
  }
  EXPECT_EQ(form().missCount, 2);  // a blank where х is due
  for (int slot = 0; slot < 34; ++slot) {
    EXPECT_EQ(labelTop(slot), testing::expectedLabelRest(slot).y) << "slot " << slot;
  }
}

TEST_F(WordTyping, TheWholeTextCanBeTypedAndTheLineEndMatchesNoKey) {
  std::map<std::string, int> codeOfLetter;
  for (const auto& key : kExpectedKeys) codeOfLetter[std::string(key.typed)] = key.code;
  const std::string& text = form().Text1.caption;
  int letters = 0;
  for (std::size_t i = 0; i + 2 < text.size();) {
    std::size_t n = 1;
    while ((static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    const auto found = codeOfLetter.find(text.substr(i, n));
    ASSERT_NE(found, codeOfLetter.end()) << "character " << letters + 1;
    type({found->second});
    ++letters;
    i += n;
  }
  ASSERT_EQ(letters, 570);
  EXPECT_EQ(form().hitCount, 570);
  EXPECT_EQ(form().missCount, 0);
  EXPECT_EQ(form().textPos, 571);
  EXPECT_EQ(form().Text1.selStart, 570);  // the carriage return is highlighted

  type({codeOf(0), kSpace, kX, kBackslash});
  EXPECT_EQ(form().missCount, 3);
  EXPECT_EQ(form().textPos, 571);
  EXPECT_EQ(platform.beeps, 3);
}

TEST_F(WordTyping, AKeyDownRestartsTheTimerAfterItsRunEnded) {
  type({kX});
  ticks(100);
  ASSERT_FALSE(form().timSeconds.enabled);
  ASSERT_TRUE(form().Text1.visible);
  type({kShift});  // a key outside the table
  EXPECT_TRUE(form().timSeconds.enabled);
  EXPECT_EQ(form().textPos, 2);
  EXPECT_EQ(form().txtCount.caption, "1");
  ticks(1);
  EXPECT_EQ(form().ProgressBar1.value, 10);
}

TEST_F(WordTyping, ThePauseBetweenTwoRunsIsNotAddedToTheClock) {
  ticks(100);
  ASSERT_FALSE(form().timSeconds.enabled);
  const std::string finalTime = form().lblElapsedTime.caption;
  ASSERT_EQ(finalTime, "00:00:23");         // the 92nd tick ended the run
  platform.advance(std::chrono::hours(1));  // the learner takes a break
  type({kX});
  ticks(4);  // one second of the new run
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:24");
}

TEST_F(FreeTyping, EveryKeyWritesItsLowerCaseMongolianLetter) {
  std::string expected;
  for (int slot = 0; slot < 35; ++slot) {
    if (slot == 12) continue;
    window.keyDown(kShift);
    window.keyDown(codeOf(slot));
    window.keyUp(codeOf(slot));
    window.keyUp(kShift);
    expected += kExpectedKeys[static_cast<std::size_t>(slot)].typed;
  }
  EXPECT_EQ(expected, "фцужэнгшүзкъйыбөахролдпячёсмитьвю ");
  EXPECT_EQ(typedSoFar(), expected);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(form().timSeconds.enabled);
  EXPECT_EQ(form().ProgressBar1.value, 0);
  EXPECT_EQ(form().txtCount.caption, "0");
  EXPECT_EQ(form().txtCountError.caption, "0");
}

TEST_F(FreeTyping, ShiftEnterAndDigitsWriteNothingAndChangeNothing) {
  const auto before = testing::screenOf(form());
  for (int code : {kShift, kEnter, 48, 49, 57, 17, testing::kAlt}) {
    window.keyDown(code);
    window.keyUp(code);
  }
  EXPECT_EQ(testing::firstDifference(before, testing::screenOf(form())), "");
}

TEST_F(FreeTyping, BackslashWritesNothingAndCountsAHit) {
  window.keyDown(kBackslash);
  EXPECT_EQ(typedSoFar(), "");
  EXPECT_EQ(form().txtCount.caption, "1");
  EXPECT_TRUE(pressed(12));
  EXPECT_EQ(labelTop(12), 7230);
}

TEST_F(FreeTyping, TheSpaceBarWritesABlankAndDrawsTargetSlotWithoutMarkingAKey) {
  platform.queueRandom({drawOf(34)});
  window.keyDown(kSpace);
  EXPECT_EQ(typedSoFar(), " ");
  EXPECT_EQ(form().targetSlot, 0);
  EXPECT_TRUE(testing::flaggedSlots(form()).empty());
  for (int slot = 0; slot < 34; ++slot) {
    EXPECT_EQ(labelTop(slot), testing::expectedLabelRest(slot).y) << "slot " << slot;
  }
}

TEST_F(FreeTyping, HitsCountPastTheSixteenBitLimit) {
  for (int n = 0; n < 32770; ++n) window.keyDown(kBackslash);
  EXPECT_EQ(form().hitCount, 32770);
  EXPECT_EQ(form().txtCount.caption, "32770");
}

}  // namespace
}  // namespace arvan
