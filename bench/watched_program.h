// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A program started on the X display named by $DISPLAY and watched from
// outside, as a learner would see it: when its first frame shows, what it
// holds in memory, and the processor time and wake-ups it spends. The
// program is ended when the watch ends.

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace arvan::bench {

using Clock = std::chrono::steady_clock;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* r) {
  return Reply<T>(r, &std::free);
}

// A window pixel and the colour (RRGGBB) that only the program's own
// painting gives it: Qt gives a window its palette's background as soon as
// it is mapped, before any paint.
struct Expected {
  int x, y;
  std::uint32_t rgb;
};

// Reads "X,Y=RRGGBB".
bool parseExpected(const char* text, Expected& expected);

struct Usage {
  std::chrono::nanoseconds cpu{};  // on a processor, summed over its threads
  long switches = 0;               // voluntary and not, summed over its threads
};

// The colour (RRGGBB) of a pixel of a window.
std::optional<std::uint32_t> pixelOf(xcb_connection_t* x, xcb_window_t window, int px, int py);

class WatchedProgram {
 public:
  // Starts `argv[0]` with the arguments after it; throws std::runtime_error
  // when it cannot.
  WatchedProgram(xcb_connection_t* x, char** argv);
  ~WatchedProgram();
  WatchedProgram(const WatchedProgram&) = delete;
  WatchedProgram& operator=(const WatchedProgram&) = delete;

  // Waits until a mapped window of the program shows every expected colour,
  // and returns the time from the start to then; throws std::runtime_error
  // when the program exits first or 30 s pass.
  Clock::duration waitForFirstFrame(const std::vector<Expected>& expected);

  [[nodiscard]] pid_t pid() const { return pid_; }
  [[nodiscard]] xcb_window_t window() const { return window_; }
  [[nodiscard]] long residentKb() const;
  [[nodiscard]] Usage usage() const;

 private:
  xcb_connection_t* x_;
  pid_t pid_ = 0;
  Clock::time_point start_;
  xcb_window_t window_ = XCB_WINDOW_NONE;
};

}  // namespace arvan::bench
