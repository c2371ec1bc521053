// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// libFuzzer's bytes as the window's events: the same decoding and the same
// invariants as the event storm test (tests/storm). A broken invariant prints
// the shortest event list found that breaks it, then aborts, so that libFuzzer
// keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "storm/event_storm.h"

namespace {

constexpr std::size_t kMostEvents = 20'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvan::storm;
  SpanBytes bytes({data, size});
  Storm storm;
  std::vector<Event> events;
  std::vector<Event> pending;
  while (!bytes.exhausted() && events.size() < kMostEvents) {
    pending.clear();
    decodeEvents(bytes, storm.form(), pending);
    for (const Event& e : pending) {
      events.push_back(e);
      const std::string broken = storm.play(e);
      if (broken.empty()) continue;
      const std::vector<Event> shortest =
          shrink(events, [](std::span<const Event> list) { return !replay(list).empty(); });
      std::fprintf(stderr, "%s\nthe shortest event list found that breaks an invariant:\n%s\n",
                   broken.c_str(), describe(shortest).c_str());
      std::abort();
    }
  }
  return 0;
}
