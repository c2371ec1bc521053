// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/browser_platform.h"

#include <cmath>

namespace arvan {

void BrowserPlatform::beep() { services_.call<void>("beep"); }

std::chrono::nanoseconds BrowserPlatform::monotonicNow() {
  const double milliseconds = services_.call<double>("now");
  return std::chrono::nanoseconds(static_cast<std::int64_t>(std::llround(milliseconds * 1e6)));
}

float BrowserPlatform::random() { return services_.call<float>("random"); }

void BrowserPlatform::reseedRandom() { services_.call<void>("reseed"); }

void BrowserPlatform::closeWindow() { services_.call<void>("close"); }

}  // namespace arvan
