// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The tutor's random source as the drill uses it: reseeded on every key,
// then drawn once for the next target.

#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "drill/run_state.h"

namespace arvan {
namespace {

class SilentPlayer : public BellPlayer {
 public:
  bool open() override { return true; }
  bool play() override { return true; }
};

TEST(QtPlatformRandom, EveryKeySlotIsDrawnAboutAsOftenAsAnyOther) {
  QtPlatform platform([] {}, std::make_unique<SilentPlayer>());
  constexpr int kDrawsASlot = 1000;
  std::array<int, kSpaceBarSlot + 1> drawn{};
  for (int i = 0; i < kSpaceBarSlot * kDrawsASlot; ++i) {
    platform.reseedRandom();
    const int slot = drawSlot(platform);
    ASSERT_GE(slot, 1);
    ASSERT_LE(slot, kSpaceBarSlot);
    ++drawn[slot];
  }
  // About 32 either way is one standard deviation.
  for (int slot = 1; slot <= kSpaceBarSlot; ++slot) {
    EXPECT_GT(drawn[slot], kDrawsASlot * 3 / 4) << "slot " << slot;
    EXPECT_LT(drawn[slot], kDrawsASlot * 5 / 4) << "slot " << slot;
  }
}

TEST(QtPlatformRandom, ValuesLieInZeroToOneAndReseedsInQuickSuccessionDiffer) {
  QtPlatform platform([] {}, std::make_unique<SilentPlayer>());
  std::set<float> values;
  for (int i = 0; i < 1000; ++i) {
    platform.reseedRandom();
    const float value = platform.random();
    ASSERT_GE(value, 0.0f);
    ASSERT_LT(value, 1.0f);
    values.insert(value);
  }
  // Of 2^24 values, a thousand draws repeat one about once in thirty runs.
  EXPECT_GE(values.size(), 995u);
}

}  // namespace
}  // namespace arvan
