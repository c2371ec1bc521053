// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// The platform services in a browser: each is a function of the object that
// the page hands to the module as `arvanServices` (beep, now, random,
// reseed, close). Nothing here decides anything; it only forwards.

#include "form/platform.h"

namespace arvan {

class BrowserPlatform : public Platform {
 public:
  void beep() override;
  std::chrono::nanoseconds monotonicNow() override;
  float random() override;
  void reseedRandom() override;
  void closeWindow() override;
};

}  // namespace arvan
