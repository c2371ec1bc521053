// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/browser_platform.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdint>

// clang-format off
EM_JS(void, arvan_services_beep, (), { Module.arvanServices.beep(); });
EM_JS(double, arvan_services_now, (), { return Module.arvanServices.now(); });
EM_JS(float, arvan_services_random, (), { return Module.arvanServices.random(); });
EM_JS(void, arvan_services_reseed, (), { Module.arvanServices.reseed(); });
EM_JS(void, arvan_services_close, (), { Module.arvanServices.close(); });
// clang-format on

namespace arvan {

void BrowserPlatform::beep() { arvan_services_beep(); }

std::chrono::nanoseconds BrowserPlatform::monotonicNow() {
  const double milliseconds = arvan_services_now();
  return std::chrono::nanoseconds(static_cast<std::int64_t>(std::llround(milliseconds * 1e6)));
}

float BrowserPlatform::random() { return arvan_services_random(); }

void BrowserPlatform::reseedRandom() { arvan_services_reseed(); }

void BrowserPlatform::closeWindow() { arvan_services_close(); }

}  // namespace arvan
