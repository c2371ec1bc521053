// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>

#include "form/platform.h"
#include "ui/desktop_bell.h"

namespace arvan {

// The real surroundings: the desktop's bell, the system clocks, a SplitMix64
// generator reseeded from the high-resolution clock, and the window.
class QtPlatform : public Platform {
 public:
  // The bell sounds through `bellPlayer`: libcanberra in the program.
  explicit QtPlatform(std::function<void()> closeWindow,
                      std::unique_ptr<BellPlayer> bellPlayer = canberraPlayer());

  void beep() override;
  std::chrono::nanoseconds monotonicNow() override;
  float random() override;
  void reseedRandom() override;
  void closeWindow() override;

 private:
  std::function<void()> closeWindow_;
  DesktopBell bell_;
  std::unique_ptr<QObject> firstFrame_;
  std::uint64_t state_ = 0;
};

}  // namespace arvan
