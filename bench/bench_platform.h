// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A scripted platform for the benchmarks: a clock that moves a quarter of a
// second per reading, a fixed cycle of random values, and a silent bell. It
// costs next to nothing, so that what is timed is the window's own work.

#include <array>
#include <chrono>
#include <cstddef>

#include "form/platform.h"

namespace arvan::bench {

class BenchPlatform : public Platform {
 public:
  void beep() override { ++beeps; }
  std::chrono::nanoseconds monotonicNow() override {
    now += std::chrono::milliseconds(250);
    return now;
  }
  // Values whose draws, Int(r * 34) + 1, visit keys all over the keyboard.
  float random() override {
    static constexpr std::array<float, 8> kValues{0.03f, 0.51f, 0.27f, 0.88f,
                                                  0.64f, 0.12f, 0.95f, 0.40f};
    next_ = (next_ + 1) % kValues.size();
    return kValues[next_];
  }
  void reseedRandom() override {}
  void closeWindow() override {}

  int beeps = 0;
  std::chrono::nanoseconds now{std::chrono::hours(1)};

 private:
  std::size_t next_ = 0;
};

}  // namespace arvan::bench
