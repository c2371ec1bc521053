// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "storm/event_storm.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "expected_keys.h"
#include "form/mode.h"
#include "form/practice_text.h"
#include "form_readers.h"

namespace arvan::storm {
namespace {

using std::chrono::milliseconds;
using testing::flaggedSlots;

constexpr int kAlt = 18;
constexpr int kBackslash = 12;

// The key slot of a key code by the tests' own table, or -1.
int expectedSlotOf(int keyCode) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (testing::kExpectedKeys[static_cast<std::size_t>(slot)].code == keyCode) return slot;
  }
  return -1;
}

int keyCodeOfSlot(int slot) {
  return testing::kExpectedKeys[static_cast<std::size_t>(slot) % kSlotCount].code;
}

// The key the learner is asked for: the flagged one, else the last target.
int litKeyCode(const Form& f) {
  const std::vector<int> flagged = flaggedSlots(f);
  if (!flagged.empty()) return keyCodeOfSlot(flagged.front());
  return keyCodeOfSlot(f.targetSlot >= 0 && f.targetSlot < kSlotCount ? f.targetSlot : 0);
}

// Either a byte's share of [0, 1), or the largest float below 1.
float randomOf(std::uint8_t byte) {
  return byte == 255 ? std::nextafter(1.0f, 0.0f) : static_cast<float>(byte) / 256.0f;
}

// How long the computer stays away before a tick: mostly a timer period,
// sometimes nothing, a minute, an hour or up to a whole day.
std::int64_t tickGapMs(ByteSource& bytes) {
  const std::uint8_t kind = bytes.next();
  const std::int64_t v = bytes.next() * 256 + bytes.next();
  constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000;
  if (kind < 24) return 0;
  if (kind < 180) return 100 + v % 200;
  if (kind < 230) return v % 60'001;
  if (kind < 250) return v * 55 % 3'600'001;
  if (kind < 255) return v * 1319 % (kDayMs + 1);
  return kDayMs;
}

// The controls a learner clicks most, with the Start button and the menu
// title more often than the rest. lblExit only comes up among all controls.
constexpr std::array<std::string_view, 16> kBusyControls{
    "lblMenu1", "lblMenu1", "lblSubMenu1", "lblSubMenu2", "lblSubMenu3", "Start",
    "Start",    "Start",    "OptEng",      "OptMon",      "Option1",     "Option2",
    "Option3",  "cmdShow",  "cmdNoView",   "Text1"};

const char* modeName(Mode mode) {
  switch (mode) {
    case Mode::FreeTyping:
      return "free typing";
    case Mode::WordTyping:
      return "word typing";
    case Mode::KeyDrill:
      return "key drill";
    case Mode::Idle:
      return "idle";
  }
  return "?";
}

std::string clockText(std::int64_t elapsedNs) {
  const std::int64_t seconds = elapsedNs / 1'000'000'000 % (24 * 60 * 60);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

int characterCount(std::string_view utf8) {
  int count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The name of a broken invariant: the text before its first colon.
std::string_view invariantOf(std::string_view broken) { return broken.substr(0, broken.find(':')); }

}  // namespace

std::string describe(const Event& e) {
  char random[32] = "";
  if (e.random != 0.0f)
    std::snprintf(random, sizeof random, ", %.9gf", static_cast<double>(e.random));
  switch (e.kind) {
    case Event::Kind::KeyDown:
      return "Event::keyDown(" + std::to_string(e.keyCode) + random + ")";
    case Event::Kind::KeyUp:
      return "Event::keyUp(" + std::to_string(e.keyCode) + ")";
    case Event::Kind::Click:
      return "Event::click(\"" + std::string(e.control) + "\"" + random + ")";
    case Event::Kind::ClickBackground:
      return "Event::clickBackground()";
    case Event::Kind::Tick:
      return "Event::tick(" + std::to_string(e.advanceMs) + ")";
  }
  return "?";
}

std::string describe(std::span<const Event> events) {
  std::string text = "{";
  for (std::size_t i = 0; i < events.size(); ++i) {
    text += i == 0 ? "" : ",";
    text += i % 3 == 0 ? "\n    " : " ";
    text += describe(events[i]);
  }
  return text + "}";
}

std::uint8_t SeededBytes::next() {
  if (left_ == 0) {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    word_ = z ^ (z >> 31);
    left_ = 8;
  }
  --left_;
  const auto byte = static_cast<std::uint8_t>(word_);
  word_ >>= 8;
  return byte;
}

void decodeEvents(ByteSource& bytes, const Form& form, std::vector<Event>& out) {
  const std::uint8_t op = bytes.next();
  if (op < 64) {  // a key-down: the lit key, a key of the table, any code, Alt
    const std::uint8_t which = bytes.next();
    const std::uint8_t arg = bytes.next();
    const float random = randomOf(bytes.next());
    int code = kAlt;
    if (which < 100) {
      code = litKeyCode(form);
    } else if (which < 190) {
      code = keyCodeOfSlot(arg);
    } else if (which < 245) {
      code = arg;
    }
    out.push_back(Event::keyDown(code, random));
  } else if (op < 112) {  // a key-up: of a key that shows pressed, of any key
    const std::uint8_t which = bytes.next();
    const std::uint8_t arg = bytes.next();
    int code = arg;
    if (which < 128) {
      std::vector<int> pressed;
      for (int slot = 0; slot < kSlotCount; ++slot) {
        if (form.fore[static_cast<std::size_t>(slot)].visible) pressed.push_back(slot);
      }
      code = pressed.empty() ? keyCodeOfSlot(arg) : keyCodeOfSlot(pressed[arg % pressed.size()]);
    } else if (which < 200) {
      code = keyCodeOfSlot(arg);
    }
    out.push_back(Event::keyUp(code));
  } else if (op < 128) {  // a key held down: a burst of auto-repeated key-downs
    const std::uint8_t which = bytes.next();
    const std::uint8_t arg = bytes.next();
    const std::uint8_t length = bytes.next();
    const float random = randomOf(bytes.next());
    const int code = which < 128 ? litKeyCode(form) : keyCodeOfSlot(arg);
    for (int n = 0; n < 2 + length % 32; ++n) out.push_back(Event::keyDown(code, random));
    if ((length & 0x80) != 0) out.push_back(Event::keyUp(code));
  } else if (op < 136) {  // hands off the keyboard: the timer ticks on alone
    const int ticks = 1 + bytes.next() % 128;
    for (int n = 0; n < ticks; ++n) out.push_back(Event::tick(130 + n % 3 * 60));
  } else if (op < 184) {  // a click: a busy control, or any control at all
    const std::uint8_t which = bytes.next();
    const std::uint8_t arg = bytes.next();
    const float random = randomOf(bytes.next());
    if (which < 200) {
      out.push_back(Event::click(kBusyControls[arg % kBusyControls.size()], random));
    } else {
      const std::vector<const Control*> all = form.controlsInDrawingOrder();
      const std::size_t index = (static_cast<std::size_t>(arg) * 256 + bytes.next()) % all.size();
      out.push_back(Event::click(all[index]->name, random));
    }
  } else if (op < 192) {
    out.push_back(Event::clickBackground());
  } else {
    out.push_back(Event::tick(tickGapMs(bytes)));
  }
}

Storm::Storm() { openWindow(); }

void Storm::openWindow() {
  window_.reset();
  platform_ = std::make_unique<testing::FakePlatform>();
  window_ = std::make_unique<FormHit>(*platform_);
  window_->load();
  controls_ = window_->form().controlsInDrawingOrder();
  model_ = Model{};
  model_.markNs = platform_->now.count();
  ++windowsOpened_;
}

const Control* Storm::controlNamed(std::string_view name) const {
  // Every form lists its controls in the same order: one index serves all.
  static const std::unordered_map<std::string_view, std::size_t> index = [this] {
    std::unordered_map<std::string_view, std::size_t> byName;
    for (std::size_t i = 0; i < controls_.size(); ++i) byName.emplace(controls_[i]->name, i);
    return byName;
  }();
  const auto found = index.find(name);
  return found == index.end() ? nullptr : controls_[found->second];
}

std::string Storm::play(const Event& e) {
  const Form& f = form();
  const Mode before = modeOf(f);
  const int beepsBefore = platform_->beeps;
  const std::vector<int> flaggedBefore = flaggedSlots(f);
  const int textPosBefore = f.textPos;
  const int barBefore = f.ProgressBar1.value;
  const bool timerBefore = f.timSeconds.enabled;
  const std::int64_t elapsedBefore = f.elapsedTime.count();
  bool clickable = false;

  platform_->randomValues.assign(1, e.random);
  switch (e.kind) {
    case Event::Kind::KeyDown:
      window_->keyDown(e.keyCode);
      break;
    case Event::Kind::KeyUp:
      window_->keyUp(e.keyCode);
      break;
    case Event::Kind::Click: {
      const Control* c = controlNamed(e.control);
      if (c == nullptr) return "event: no control is named " + std::string(e.control);
      const Control* frame = f.frameOf(*c);
      clickable = c->visible && c->enabled && (frame == nullptr || frame->enabled);
      window_->click(*c);
      break;
    }
    case Event::Kind::ClickBackground:
      window_->clickBackground();
      break;
    case Event::Kind::Tick:
      platform_->advance(milliseconds(e.advanceMs));
      window_->tick();
      break;
  }
  platform_->randomValues.clear();

  const int beeps = platform_->beeps - beepsBefore;
  const std::string in = std::string(" (") + modeName(before) + ", " + describe(e) + ")";
  Model& m = model_;

  // The counts, from what the learner did and what the window answered.
  if (e.kind == Event::Kind::KeyDown) {
    const int slot = expectedSlotOf(e.keyCode);
    switch (before) {
      case Mode::FreeTyping:
        if (slot == kBackslash) ++m.hits;
        if (beeps != 0) return "beep: free typing never beeps" + in;
        break;
      case Mode::WordTyping:
        if (slot == kBackslash) {
          ++m.hits;
        } else if (slot >= 0 && beeps > 0) {
          ++m.misses;
          if (f.textPos != textPosBefore) return "text position: a wrong key moved it" + in;
        } else if (slot >= 0) {
          ++m.hits;
          if (f.textPos != textPosBefore + 1)
            return "text position: a right key did not advance it" + in;
        }
        if (beeps > 1 || (beeps == 1 && (slot < 0 || slot == kBackslash))) {
          return "beep: only a wrong character beeps, once" + in;
        }
        break;
      case Mode::KeyDrill:
        if (e.keyCode == kAlt) {
          if (beeps != 0) return "beep: Alt is never a miss" + in;
        } else if (slot >= 0 && flaggedBefore.size() == 1 && flaggedBefore[0] == slot) {
          ++m.hits;
          if (beeps != 0) return "beep: a hit beeped" + in;
        } else {
          ++m.misses;
          if (beeps != 1) return "beep: a miss must beep once" + in;
        }
        break;
      case Mode::Idle:
        if (beeps != 0) return "beep: a key beeped with no drill running" + in;
        break;
    }
  }
  const bool resetting = clickable && (e.control == "Start" || e.control == "lblSubMenu1" ||
                                       e.control == "lblSubMenu2" || e.control == "lblSubMenu3");
  if (resetting) {
    m.hits = m.misses = 0;
    m.countsShown = m.clockShown = true;
    m.elapsedNs = 0;
    // Free typing is untimed: it zeroes the clock but takes no reading.
    if (e.control != "lblSubMenu2") m.markNs = platform_->now.count();
  }
  // A key that starts word typing's timer again takes a new reading: the
  // pause between two runs is no time spent typing.
  if (e.kind == Event::Kind::KeyDown && before == Mode::WordTyping && !timerBefore) {
    m.markNs = platform_->now.count();
  }
  if (e.kind == Event::Kind::Tick && timerBefore) {
    m.elapsedNs += platform_->now.count() - m.markNs;
    m.markNs = platform_->now.count();
    if (barBefore == 100 && (f.timSeconds.enabled || !f.Start.enabled ||
                             f.ProgressBar1.value != 0 || !flaggedSlots(f).empty())) {
      return "end of run: a tick that found the bar full did not end the run" + in;
    }
  }
  if (f.hitCount != m.hits || f.missCount != m.misses) {
    return "counts: window shows " + std::to_string(f.hitCount) + "/" +
           std::to_string(f.missCount) + ", events give " + std::to_string(m.hits) + "/" +
           std::to_string(m.misses) + in;
  }
  if (f.elapsedTime.count() < elapsedBefore && !resetting) return "clock: went backwards" + in;
  if (f.elapsedTime.count() != m.elapsedNs)
    return "clock: elapsed time is not the time that passed" + in;

  if (std::string broken = checkInvariants(); !broken.empty()) return broken + in;

  if (platform_->closed) {
    if (!(e.kind == Event::Kind::Click && e.control == "lblExit" && clickable)) {
      return "exit: the window closed" + in;
    }
    openWindow();
  }
  return {};
}

std::string Storm::checkInvariants() const {
  const Form& f = form();
  const Model& m = model_;
  const Mode mode = modeOf(f);

  // The mode, read off the controls, is one of the four and runs its timer so.
  if (f.Text1.visible && f.Text2.visible) return "mode: both text boxes shown";
  if (mode == Mode::KeyDrill && !f.timSeconds.enabled) return "mode: a key drill without its timer";
  if ((mode == Mode::Idle || mode == Mode::FreeTyping) && f.timSeconds.enabled) {
    return std::string("mode: the timer runs in ") + modeName(mode);
  }

  // The target flag: at most one outline, and while a drill runs the target's.
  for (const Control& outline : f.button) {
    if (outline.borderStyle != kBorderSolid && outline.borderStyle != kBorderInsideSolid) {
      return "target flag: border style " + std::to_string(outline.borderStyle);
    }
  }
  if (f.targetSlot < 0 || f.targetSlot >= kSlotCount) {
    return "target flag: targetSlot " + std::to_string(f.targetSlot);
  }
  const std::vector<int> flagged = flaggedSlots(f);
  if (flagged.size() > 1) {
    return "target flag: on " + std::to_string(flagged.size()) + " outlines";
  }
  // Only with both text boxes hidden: Start is enabled again in word typing
  // once its run has ended, and in a drill started from there the space bar
  // still draws targetSlot without moving the flag.
  if (mode == Mode::KeyDrill && (flagged.size() != 1 || flagged[0] != f.targetSlot)) {
    return "target flag: the drill's target " + std::to_string(f.targetSlot) + " is not flagged";
  }

  if (f.ProgressBar1.value < 0 || f.ProgressBar1.value > 100) {
    return "progress bar: value " + std::to_string(f.ProgressBar1.value);
  }

  // Each key at rest or pressed: face or highlight, and the label with it.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    if (f.Back[i].visible == f.fore[i].visible) {
      return "key look: Back and fore of slot " + std::to_string(slot) +
             (f.Back[i].visible ? " both shown" : " both hidden");
    }
    if (slot >= kLabelledSlotCount) continue;
    const Point rest = testing::expectedLabelRest(slot);
    const Rect& label = f.keyLabel[i].rect;
    const bool lowered = label.top == rest.y + 30;
    if (label.left != rest.x || (label.top != rest.y && !lowered)) {
      return "key label: slot " + std::to_string(slot) + " at (" + std::to_string(label.left) +
             ", " + std::to_string(label.top) + ")";
    }
    if (lowered != f.fore[i].visible) {
      return "key label: slot " + std::to_string(slot) +
             (lowered ? " lowered without its highlight" : " at rest under its highlight");
    }
    if (f.keyLabel[i].caption.size() > 8) return "key label: caption too long";
  }

  // Pictures: at most one per hand, at most one ring.
  int left = 0;
  int right = 0;
  for (const Control& c : f.ZGar) left += c.visible;
  for (const Control& c : f.BGar) right += c.visible;
  if (left > 1 || right > 1) return "hand pictures: more than one per hand";
  int rings = 0;
  for (const Control& c : f.toirog) rings += c.visible;
  if (rings > 1) return "home key rings: " + std::to_string(rings) + " shown";

  // Options: one layout and one speed selected, and the timer at that speed.
  if (f.OptEng.value + f.OptMon.value != 1) return "options: not exactly one layout";
  if (f.Option1.value + f.Option2.value + f.Option3.value != 1) {
    return "options: not exactly one speed";
  }
  const int interval = f.Option1.value != 0 ? 130 : f.Option2.value != 0 ? 180 : 250;
  if (f.timSeconds.interval != interval) return "options: timer period off its speed";

  // Counters and clock as shown.
  const auto shown = [&m](int count) { return m.countsShown ? std::to_string(count) : ""; };
  if (f.txtCount.caption != shown(m.hits) || f.txtCountError.caption != shown(m.misses)) {
    return "counts: the boxes read \"" + f.txtCount.caption + "\" and \"" +
           f.txtCountError.caption + "\"";
  }
  const std::string clock = m.clockShown ? clockText(m.elapsedNs) : "Time";
  if (f.lblElapsedTime.caption != clock) {
    return "clock: reads " + f.lblElapsedTime.caption + ", not " + clock;
  }

  // Word typing: the practice text never changes, the position stays on it.
  if (f.Text1.caption != kPracticeText) return "practice text: changed";
  const int length = characterCount(kPracticeText);
  if (f.textPos < 1 || f.textPos > length + 1) {
    return "text position: " + std::to_string(f.textPos) + " off the text";
  }
  if (f.Text1.selStart < 0 || f.Text1.selStart > length) return "practice text: highlight off it";
  return {};
}

std::string replay(std::span<const Event> events) {
  Storm storm;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (std::string broken = storm.play(events[i]); !broken.empty()) {
      return "event " + std::to_string(i + 1) + ": " + broken;
    }
  }
  return {};
}

std::vector<Event> shrink(std::vector<Event> events,
                          const std::function<bool(std::span<const Event>)>& fails) {
  std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);
  for (;;) {
    bool dropped = false;
    for (std::size_t start = 0; start < events.size();) {
      std::vector<Event> without(events.begin(), events.begin() + static_cast<long>(start));
      const std::size_t end = std::min(events.size(), start + chunk);
      without.insert(without.end(), events.begin() + static_cast<long>(end), events.end());
      if (fails(without)) {
        events = std::move(without);
        dropped = true;
      } else {
        start += chunk;
      }
    }
    if (chunk > 1) {
      chunk /= 2;
    } else if (!dropped) {
      return events;
    }
  }
}

std::string runStorm(std::uint64_t seed, long count, int windowLength) {
  SeededBytes bytes(seed);
  std::vector<Event> pending;
  for (long played = 0; played < count;) {
    Storm storm;
    std::vector<Event> events;
    while (played < count && events.size() < static_cast<std::size_t>(windowLength)) {
      pending.clear();
      decodeEvents(bytes, storm.form(), pending);
      for (const Event& e : pending) {
        events.push_back(e);
        ++played;
        const std::string broken = storm.play(e);
        if (broken.empty()) continue;
        const std::string invariant(invariantOf(broken));
        const std::vector<Event> shortest =
            shrink(events, [&invariant](std::span<const Event> candidate) {
              const std::string again = replay(candidate);
              const std::size_t at = again.find(": ");
              return !again.empty() &&
                     invariantOf(std::string_view(again).substr(at + 2)) == invariant;
            });
        return "event storm, seed " + std::to_string(seed) + ": " + broken + "\nafter " +
               std::to_string(events.size()) + " events of its window; the shortest list found (" +
               std::to_string(shortest.size()) + " events) that breaks it:\n" + describe(shortest);
      }
    }
  }
  return {};
}

}  // namespace arvan::storm
