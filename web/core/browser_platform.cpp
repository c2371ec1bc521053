// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/browser_platform.h"

#include <cmath>

namespace arvan {

void BrowserPlatform::beep() { services_.call<void>("beep"); }

LocalDateTime BrowserPlatform::localDateTime() {
  const emscripten::val now = services_.call<emscripten::val>("localDateTime");
  return {now["year"].as<int>(), now["month"].as<int>(),  now["day"].as<int>(),
          now["hour"].as<int>(), now["minute"].as<int>(), now["second"].as<int>()};
}

std::chrono::nanoseconds BrowserPlatform::monotonicNow() {
  const double milliseconds = services_.call<double>("now");
  return std::chrono::nanoseconds(static_cast<std::int64_t>(std::llround(milliseconds * 1e6)));
}

float BrowserPlatform::random() { return services_.call<float>("random"); }

void BrowserPlatform::reseedRandom() { services_.call<void>("reseed"); }

void BrowserPlatform::closeWindow() { services_.call<void>("close"); }

}  // namespace arvan
