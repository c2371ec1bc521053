// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// The platform services in a browser: each is a function of a JavaScript
// object that the page hands in (beep, now, random, reseed, close). Nothing
// here decides anything; it only forwards.

#include <emscripten/val.h>

#include "app/platform.h"

namespace arvan {

class BrowserPlatform : public Platform {
 public:
  explicit BrowserPlatform(emscripten::val services) : services_(std::move(services)) {}

  void beep() override;
  std::chrono::nanoseconds monotonicNow() override;
  float random() override;
  void reseedRandom() override;
  void closeWindow() override;

 private:
  emscripten::val services_;
};

}  // namespace arvan
