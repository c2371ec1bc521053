// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Long random streams of the window's events, and what must hold after every
// one of them, whatever the learner's hands, mouse and computer do. The event
// storm test draws the bytes from a seeded generator, the fuzz target takes
// them from libFuzzer; both decode them here into the same events and check
// the same invariants.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "fake_platform.h"

namespace arvan::storm {

struct Event {
  enum class Kind : std::uint8_t { KeyDown, KeyUp, Click, ClickBackground, Tick };

  Kind kind = Kind::Tick;
  int keyCode = 0;             // key events: 0..255
  std::string_view control;    // clicks: the control's name
  std::int64_t advanceMs = 0;  // ticks: the clock moves on by this first
  float random = 0.0f;         // the value of any draw that the event makes

  static Event keyDown(int code, float random = 0.0f) {
    return {Kind::KeyDown, code, {}, 0, random};
  }
  static Event keyUp(int code) { return {Kind::KeyUp, code, {}, 0, 0.0f}; }
  static Event click(std::string_view control, float random = 0.0f) {
    return {Kind::Click, 0, control, 0, random};
  }
  static Event clickBackground() { return {Kind::ClickBackground, 0, {}, 0, 0.0f}; }
  static Event tick(std::int64_t advanceMs) { return {Kind::Tick, 0, {}, advanceMs, 0.0f}; }
};

// The event as the C++ expression that makes it, for pasting into a test.
[[nodiscard]] std::string describe(const Event& event);
[[nodiscard]] std::string describe(std::span<const Event> events);

// Where the bytes come from. Past the end of its bytes a source gives zeros.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint8_t next() = 0;
  [[nodiscard]] virtual bool exhausted() const = 0;
};

class SpanBytes : public ByteSource {
 public:
  explicit SpanBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t next() override { return at_ < bytes_.size() ? bytes_[at_++] : 0; }
  [[nodiscard]] bool exhausted() const override { return at_ >= bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// A reproducible endless stream: splitmix64 from a seed.
class SeededBytes : public ByteSource {
 public:
  explicit SeededBytes(std::uint64_t seed) : state_(seed) {}
  std::uint8_t next() override;
  [[nodiscard]] bool exhausted() const override { return false; }

 private:
  std::uint64_t state_;
  std::uint64_t word_ = 0;
  int left_ = 0;
};

// Reads the next few bytes as one or more events (a burst of auto-repeated
// key-downs is several). Some events aim at what the window shows now (the
// lit key, a key that shows pressed), so the decoding looks at the form; the
// events it gives are plain and replay the same without it.
void decodeEvents(ByteSource& bytes, const Form& form, std::vector<Event>& out);

// One window on the scripted platform, loaded, with a model of what its
// counters and clock must show, kept from the events and their outcomes. A
// click on lblExit closes the window; the storm then opens a new one.
class Storm {
 public:
  Storm();

  // Plays one event and checks every invariant; returns the first one that is
  // broken, or an empty string.
  [[nodiscard]] std::string play(const Event& event);

  [[nodiscard]] const Form& form() const { return window_->form(); }
  [[nodiscard]] int windowsOpened() const { return windowsOpened_; }

 private:
  struct Model {
    int hits = 0;
    int misses = 0;
    bool countsShown = false;  // a counter caption is empty until the first reset
    bool clockShown = false;   // the clock label reads "Time" until the first reset
    std::int64_t elapsedNs = 0;
    std::int64_t markNs = 0;  // the clock at the last tick or reset of the run
  };

  void openWindow();
  [[nodiscard]] const Control* controlNamed(std::string_view name) const;
  [[nodiscard]] std::string checkInvariants() const;

  std::unique_ptr<testing::FakePlatform> platform_;
  std::unique_ptr<FormHit> window_;
  std::vector<const Control*> controls_;
  Model model_;
  int windowsOpened_ = 0;
};

// Plays the events on a new storm; returns the first broken invariant with the
// number of the event that broke it, or an empty string.
[[nodiscard]] std::string replay(std::span<const Event> events);

// Drops events while `fails` still holds: first the tail after the failure,
// then halves, quarters and so on down to single events, until no single
// event can go.
[[nodiscard]] std::vector<Event> shrink(std::vector<Event> events,
                                        const std::function<bool(std::span<const Event>)>& fails);

// A storm of `count` events from `seed`, a new window every `windowLength`
// events. On the first broken invariant it stops and returns a report: the
// seed, the invariant and the shortest event list found that breaks it.
[[nodiscard]] std::string runStorm(std::uint64_t seed, long count, int windowLength);

}  // namespace arvan::storm
