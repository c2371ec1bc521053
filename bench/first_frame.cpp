// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Starts a program on the X display named by $DISPLAY and watches it from
// outside: the time from the program's start to its first frame on screen,
// and its resident memory at that moment. The first frame is there when a
// window of the program is mapped and shows the expected colour at each
// expected point (window pixels, colour RRGGBB). With --idle SECONDS it then
// lets the program settle for a second and counts the processor time and
// the wake-ups (context switches of all its threads) that it spends over
// SECONDS of waiting.
//
//   arvan_first_frame [--idle SECONDS] --expect X,Y=RRGGBB... PROGRAM [ARGUMENT...]
//
// prints one line: first_frame_ms=... rss_kb=... [idle_cpu_ms=... idle_wakeups=...]

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "bench/watched_program.h"

using namespace arvan::bench;

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: arvan_first_frame [--idle SECONDS] --expect X,Y=RRGGBB... "
               "PROGRAM [ARGUMENT...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double idleSeconds = 0;
  std::vector<Expected> expected;
  int first = 1;
  for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
    Expected e{};
    if (std::strcmp(argv[first], "--idle") == 0) {
      idleSeconds = std::atof(argv[first + 1]);
    } else if (std::strcmp(argv[first], "--expect") == 0 && parseExpected(argv[first + 1], e)) {
      expected.push_back(e);
    } else {
      return usage();
    }
  }
  if (first >= argc || expected.empty()) return usage();

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "arvan_first_frame: cannot open the display\n");
    return 1;
  }
  try {
    WatchedProgram program(x, argv + first);
    const Clock::duration frame = program.waitForFirstFrame(expected);
    std::printf("first_frame_ms=%.1f rss_kb=%ld",
                std::chrono::duration<double, std::milli>(frame).count(), program.residentKb());
    if (idleSeconds > 0) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      const Usage before = program.usage();
      std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
      const Usage after = program.usage();
      std::printf(" idle_cpu_ms=%.1f idle_wakeups=%ld",
                  std::chrono::duration<double, std::milli>(after.cpu - before.cpu).count(),
                  after.switches - before.switches);
    }
    std::printf("\n");
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "arvan_first_frame: %s: %s\n", argv[first], e.what());
    xcb_disconnect(x);
    return 1;
  }
  xcb_disconnect(x);
  return 0;
}
