// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A loaded window on the scripted platform for the behaviour tests, and the
// readers of what it shows.

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

#include "app/main_window.h"
#include "fake_platform.h"
#include "form_readers.h"

namespace arvan {

inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace testing {

// The controls that a key drill and both typing modes lock: Start, lblExit,
// both label buttons, both counters, the five options and their frames.
inline void expectLocked(const Form& f, bool locked) {
  for (const Control* c :
       {&f.Start, &f.lblExit, &f.cmdNoView, &f.cmdShow, &f.txtCount, &f.txtCountError, &f.OptEng,
        &f.OptMon, &f.Option1, &f.Option2, &f.Option3, &f.Frame1, &f.Frame2}) {
    EXPECT_EQ(c->enabled, !locked) << c->name;
  }
}

// A loaded window on the scripted platform with its bell count cleared,
// and the learner's moves on it.
class LoadedWindow {
 public:
  LoadedWindow() {
    window.load();
    platform.beeps = 0;
  }

  [[nodiscard]] const Form& form() const { return window.form(); }

  void chooseMenuEntry(const Control& entry) {
    window.click(form().lblMenu1);
    window.click(entry);
  }
  void startDrillOn(int slot) {
    platform.queueRandom({drawOf(slot)});
    window.click(form().Start);
  }
  // A correct press whose draw gives `next`, then its release.
  void hit(int slot, int next) {
    platform.queueRandom({drawOf(next)});
    window.keyDown(codeOf(slot));
    window.keyUp(codeOf(slot));
  }
  // Timer ticks, each after `gap` of the monotonic clock.
  void ticks(int count, std::chrono::milliseconds gap = std::chrono::milliseconds(250)) {
    for (int n = 0; n < count; ++n) {
      platform.advance(gap);
      window.tick();
    }
  }
  [[nodiscard]] int labelTop(int slot) const {
    return form().keyLabel[static_cast<std::size_t>(slot)].rect.top;
  }
  [[nodiscard]] bool pressed(int slot) const {
    const auto i = static_cast<std::size_t>(slot);
    return form().fore[i].visible && !form().Back[i].visible;
  }

  FakePlatform platform;
  FormHit window{platform};
};

class WindowTest : public ::testing::Test, public LoadedWindow {};

}  // namespace testing
}  // namespace arvan
