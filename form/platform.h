// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// What the program takes from its surroundings. The front end gives the real
// services; tests give a scripted fake.

#include <chrono>

namespace arvan {

class Platform {
 public:
  virtual ~Platform() = default;

  // The desktop's alert sound; returns at once.
  virtual void beep() = 0;
  // A clock for durations that a change of the system time does not move.
  virtual std::chrono::nanoseconds monotonicNow() = 0;
  // A uniform single-precision value in [0, 1).
  virtual float random() = 0;
  // Reseeds the random source, so that the values that follow differ from
  // those after any earlier reseed.
  virtual void reseedRandom() = 0;
  virtual void closeWindow() = 0;
};

}  // namespace arvan
