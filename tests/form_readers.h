// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// Readers of what the window shows, in the tests' own terms: the visible
// hand pictures and ring, the flagged slots, the key colours off their rest,
// the captions and a whole screen to compare. They need no test framework,
// so that the event storm and its fuzz target read the window the same way.

#include <string>
#include <vector>

#include "expected_keys.h"
#include "form/form.h"

namespace arvan::testing {

// A random value whose draw, Int(r * 34) + 1, is `slot` (1..34).
inline float drawOf(int slot) { return (static_cast<float>(slot) - 0.5f) / 34.0f; }

inline int codeOf(int slot) { return kExpectedKeys[static_cast<std::size_t>(slot)].code; }

// The visible hand pictures by name, right hand first: "BGar1 ZGar1".
inline std::string visibleHandPictures(const Form& f) {
  std::string shown;
  const auto add = [&shown](const char* hand, int n) {
    if (!shown.empty()) shown += ' ';
    shown += hand;
    if (n > 0) shown += std::to_string(n);
  };
  for (int n = 0; n < 6; ++n) {
    if (f.BGar[static_cast<std::size_t>(n)].visible) add("BGar", n);
  }
  for (int n = 0; n < 6; ++n) {
    if (f.ZGar[static_cast<std::size_t>(n)].visible) add("ZGar", n);
  }
  return shown;
}

// The visible home-key circles as 1-based numbers, 0 for none; -1 for more
// than one.
inline int visibleCircle(const Form& f) {
  int shown = 0;
  for (int n = 0; n < 8; ++n) {
    if (f.toirog[static_cast<std::size_t>(n)].visible) shown = shown == 0 ? n + 1 : -1;
  }
  return shown;
}

// The slots whose outline carries the target flag, border style 6.
inline std::vector<int> flaggedSlots(const Form& f) {
  std::vector<int> slots;
  for (int slot = 0; slot < 35; ++slot) {
    if (f.button[static_cast<std::size_t>(slot)].borderStyle == 6) slots.push_back(slot);
  }
  return slots;
}

// The key colours differ from their rest colours only where listed.
inline std::string keyColoursOffRest(const Form& f) {
  std::string off;
  for (int slot = 0; slot < 35; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    if (f.button[i].backColour != expectedRestOutline(slot)) {
      off += " button(" + std::to_string(slot) + ")";
    }
    if (f.Back[i].backColour != kRestFace) off += " Back(" + std::to_string(slot) + ")";
  }
  return off;
}

inline std::vector<std::string> keyCaptions(const Form& f) {
  std::vector<std::string> captions;
  for (const Control& label : f.keyLabel) captions.push_back(label.caption);
  return captions;
}

// Everything the window shows and holds, to prove that an event changed
// nothing, or to name the first thing it changed.
struct Screen {
  std::vector<Control> controls;
  Timer timer;
  int targetSlot, hitCount, missCount, textPos;
  bool blindMode;
};

inline Screen screenOf(const Form& f) {
  Screen s{{}, f.timSeconds, f.targetSlot, f.hitCount, f.missCount, f.textPos, f.blindMode};
  for (const Control* c : f.controlsInDrawingOrder()) s.controls.push_back(*c);
  return s;
}

inline std::string firstDifference(const Screen& a, const Screen& b) {
  for (std::size_t i = 0; i < a.controls.size(); ++i) {
    if (!(a.controls[i] == b.controls[i])) return std::string(a.controls[i].name);
  }
  if (!(a.timer == b.timer)) return "timSeconds";
  if (a.targetSlot != b.targetSlot) return "targetSlot";
  if (a.hitCount != b.hitCount || a.missCount != b.missCount) return "counts";
  if (a.textPos != b.textPos) return "textPos";
  if (a.blindMode != b.blindMode) return "blindMode";
  return "";
}

}  // namespace arvan::testing
