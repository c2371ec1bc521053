// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A learner who does not stop: a whole day of one key drill, and a day of
// free typing, on the simulated clock in large steps.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "window_fixture.h"

namespace arvan {
namespace {

using std::chrono::milliseconds;
using testing::codeOf;
using testing::drawOf;

constexpr int kEnter = 13;

// The bytes of every caption and text except the two counters, whose digits
// grow with the counts, and Text2, which free typing fills.
std::size_t textFootprint(const Form& f) {
  std::size_t bytes = f.typedChar.size();
  for (const Control* c : f.controlsInDrawingOrder()) {
    if (c != &f.txtCount && c != &f.txtCountError && c != &f.Text2) bytes += c->caption.size();
  }
  return bytes;
}

class DayLong : public testing::WindowTest {
 protected:
  // The lit key struck and released, a wrong key, then a tick `gap` later:
  // the bar stays low, so the drill never ends by itself.
  void strikeMissAndTick(int step, milliseconds gap) {
    const int lit = form().targetSlot;
    platform.queueRandom({drawOf(1 + step % 34)});
    window.keyDown(codeOf(lit));
    window.keyUp(codeOf(lit));
    window.keyDown(kEnter);
    window.keyUp(kEnter);
    ticks(1, gap);
  }
};

TEST_F(DayLong, ADrillRunsADayItsCountsPass32767AndItsClockWrapsAtMidnight) {
  window.click(form().Option1);  // fast: the shortest period fills the bar soonest
  startDrillOn(5);
  constexpr int kSteps = 40'000;
  constexpr milliseconds kGap(2160);  // 40,000 gaps of 2.16 s make 24 hours
  std::size_t afterAnHour = 0;
  for (int step = 1; step < kSteps; ++step) {
    strikeMissAndTick(step, kGap);
    if (step == 1667) afterAnHour = textFootprint(form());  // 1 h 0 min 0.72 s
    ASSERT_FALSE(form().Start.enabled) << "the drill ended at step " << step;
  }
  EXPECT_EQ(form().lblElapsedTime.caption, "23:59:57");  // 86,397.84 s

  strikeMissAndTick(kSteps, kGap);
  EXPECT_EQ(form().elapsedTime, std::chrono::hours(24));
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:00");
  ticks(1, std::chrono::hours(1) + std::chrono::minutes(2) + std::chrono::seconds(3));
  EXPECT_EQ(form().lblElapsedTime.caption, "01:02:03");

  EXPECT_EQ(form().hitCount, kSteps);
  EXPECT_EQ(form().txtCount.caption, "40000");
  EXPECT_EQ(form().missCount, kSteps);
  EXPECT_EQ(form().txtCountError.caption, "40000");
  EXPECT_EQ(testing::flaggedSlots(form()).size(), 1u);
  EXPECT_EQ(textFootprint(form()), afterAnHour);
  EXPECT_EQ(form().Text2.caption, Form().Text2.caption);
}

TEST_F(DayLong, FreeTypingForADayGrowsItsTextByTheLettersTypedAndNothingElse) {
  chooseMenuEntry(form().lblSubMenu2);
  const std::string prompt = form().Text2.caption;
  std::size_t afterAnHour = 0;
  std::size_t letterBytes = 0;
  int backslashes = 0;
  constexpr int kKeys = 86'400;  // one a second
  for (int n = 0; n < kKeys; ++n) {
    const int slot = n * 13 % 35;  // every key of the table, the backslash included
    platform.queueRandom({drawOf(1 + n % 34)});
    window.keyDown(codeOf(slot));
    window.keyUp(codeOf(slot));
    letterBytes += testing::kExpectedKeys[static_cast<std::size_t>(slot)].typed.size();
    backslashes += slot == 12;
    platform.advance(std::chrono::seconds(1));
    window.tick();  // free typing is untimed: no tick reaches it
    if (n == 3600) afterAnHour = textFootprint(form());
  }
  EXPECT_EQ(form().Text2.caption.size(), prompt.size() + letterBytes);
  EXPECT_EQ(form().Text2.caption.substr(0, prompt.size()), prompt);
  EXPECT_EQ(form().hitCount, backslashes);
  EXPECT_EQ(form().lblElapsedTime.caption, "00:00:00");
  EXPECT_EQ(textFootprint(form()), afterAnHour);
}

}  // namespace
}  // namespace arvan
