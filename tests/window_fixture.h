#pragma once

// A loaded window on the scripted platform, and small readers of what the
// window shows, for the behaviour tests.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "expected_keys.h"
#include "fake_platform.h"

namespace arvan {

inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace testing {

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

// The controls that a key drill and both typing modes lock: Start, lblExit,
// both label buttons, both counters, the five options and their frames.
inline void expectLocked(const Form& f, bool locked) {
  for (const Control* c :
       {&f.Start, &f.lblExit, &f.cmdNoView, &f.cmdShow, &f.txtCount, &f.txtCountError, &f.OptEng,
        &f.OptMon, &f.Option1, &f.Option2, &f.Option3, &f.Frame1, &f.Frame2}) {
    EXPECT_EQ(c->enabled, !locked) << c->name;
  }
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

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    window.load();
    platform.beeps = 0;
  }

  [[nodiscard]] const Form& form() const { return window.form(); }

  void chooseMenuEntry(const Control& entry) {
    window.click(form().lblMenu1);
    window.click(entry);
  }
  void startDrillOn(int slot) {
    platform.queueRandom({drawOf(slot)});
    window.click(form().Start);
  }
  // A correct press whose draw gives `next`, then its release.
  void hit(int slot, int next) {
    platform.queueRandom({drawOf(next)});
    window.keyDown(codeOf(slot));
    window.keyUp(codeOf(slot));
  }
  // Timer ticks, each after `gap` of the monotonic clock.
  void ticks(int count, std::chrono::milliseconds gap = std::chrono::milliseconds(250)) {
    for (int n = 0; n < count; ++n) {
      platform.advance(gap);
      window.tick();
    }
  }
  [[nodiscard]] int labelTop(int slot) const {
    return form().keyLabel[static_cast<std::size_t>(slot)].rect.top;
  }
  [[nodiscard]] bool pressed(int slot) const {
    const auto i = static_cast<std::size_t>(slot);
    return form().fore[i].visible && !form().Back[i].visible;
  }

  FakePlatform platform;
  FormHit window{platform};
};

}  // namespace testing
}  // namespace arvan
