// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A scripted platform for tests: random values queued by the test, a clock
// the test advances, a beep counter and a closed flag.

#include <chrono>
#include <deque>

#include "form/platform.h"

namespace arvan::testing {

class FakePlatform : public Platform {
 public:
  void beep() override { ++beeps; }
  std::chrono::nanoseconds monotonicNow() override { return now; }
  float random() override {
    if (randomValues.empty()) return 0.0f;
    const float r = randomValues.front();
    randomValues.pop_front();
    return r;
  }
  void reseedRandom() override { ++reseeds; }
  void closeWindow() override { closed = true; }

  void advance(std::chrono::nanoseconds by) { now += by; }
  void queueRandom(std::initializer_list<float> values) {
    randomValues.insert(randomValues.end(), values);
  }

  int beeps = 0;
  int reseeds = 0;
  bool closed = false;
  std::chrono::nanoseconds now{std::chrono::hours(1)};
  std::deque<float> randomValues;
};

}  // namespace arvan::testing
