// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Plays a key drill in the tutor's window on a Wayland compositor, as a
// learner with a keyboard of the given XKB layout would: a click on Start,
// then the lit key pressed several times by its position (evdev code),
// then a wrong key; and reads the screen after each step. Each hit must
// light another key and move the hit counter and nothing else; the wrong
// key must count one miss and leave the target and the hits alone. Under
// Dvorak nearly every key writes the letter of another position, so only a
// window that judges keys by position passes there.
//
//   arvan_wayland_drill LAYOUT    (us, mn or us(dvorak); the window open)

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "screenshot.h"
#include "tutor_screen.h"
#include "virtual_devices.h"
#include "xkb_keymap.h"

namespace arvan::wayland {
namespace {

using namespace std::chrono_literals;

constexpr int kHits = 6;

void require(bool holds, const std::string& what) {
  if (!holds) throw std::runtime_error(what);
}

// The same about a screen, which is kept as "<name>.ppm" if it fails.
void requireOf(const Screenshot& shot, const std::string& name, bool holds,
               const std::string& what) {
  if (holds) return;
  shot.save(name + ".ppm");
  throw std::runtime_error(what + " (screen in " + name + ".ppm)");
}

// What the layout writes with the Q key: the sign that the keymap is the
// real one of that layout.
std::uint32_t letterOfQ(const std::string& layout) {
  if (layout == "us") return XKB_KEY_q;
  if (layout == "mn") return XKB_KEY_Cyrillic_ef;
  if (layout == "us(dvorak)") return XKB_KEY_apostrophe;
  throw std::runtime_error("no letter of the Q key known for the layout " + layout);
}

// Takes screenshots until `shows` holds for one, each as soon as the last
// is read; keeps the last one as "<name>.ppm" if none does in time.
Screenshot waitFor(const std::string& name, const std::string& what,
                   const std::function<bool(const Screenshot&)>& shows,
                   std::chrono::seconds timeout = 10s) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Screenshot shot = Screenshot::take();
    if (shows(shot)) return shot;
    if (std::chrono::steady_clock::now() > deadline) {
      shot.save(name + ".ppm");
      throw std::runtime_error("timed out waiting for " + what + " (last screen in " + name +
                               ".ppm)");
    }
    std::this_thread::sleep_for(20ms);
  }
}

// The one lit key, with every other face at rest; none otherwise.
std::optional<int> soleLitKey(const TutorScreen& tutor, const Screenshot& shot) {
  const auto faces = tutor.faceColours(shot);
  const std::vector<int> lit = slotsColoured(faces, kGreen);
  if (lit.size() != 1 || slotsColoured(faces, kLightGrey).size() != kKeySlots - 1) return {};
  return lit.front();
}

void playDrill(const std::string& layout) {
  const std::string keymap = compileKeymap(layout);
  require(keysymOf(keymap, KEY_Q) == letterOfQ(layout),
          "the compiled keymap does not write the layout's letter with Q");
  VirtualDevices devices(keymap);

  // The idle window: every face at rest where a window filling the screen
  // shows it. Start-up may take a while on a busy machine.
  const Screenshot idle = waitFor(
      layout + "-idle", "the idle window",
      [](const Screenshot& shot) {
        const TutorScreen tutor(shot.width(), shot.height());
        return slotsColoured(tutor.faceColours(shot), kLightGrey).size() == kKeySlots;
      },
      30s);
  const TutorScreen tutor(idle.width(), idle.height());

  const PixelPoint start = tutor.startLabel();
  devices.click(static_cast<std::uint32_t>(start.x), static_cast<std::uint32_t>(start.y),
                static_cast<std::uint32_t>(idle.width()),
                static_cast<std::uint32_t>(idle.height()));
  Screenshot shot = waitFor(layout + "-start", "a lit key after a click on Start",
                            [&](const Screenshot& s) { return soleLitKey(tutor, s).has_value(); });
  int target = *soleLitKey(tutor, shot);
  const auto noMisses = tutor.missCounter(shot);
  std::vector<std::vector<std::uint32_t>> hitCounts{tutor.hitCounter(shot)};
  requireOf(shot, layout + "-start", hitCounts.front() == noMisses,
            "the two counters differ at the start of the drill");

  for (int hit = 1; hit <= kHits; ++hit) {
    devices.tap(evdevKeyOfSlot(target));
    if (hit == 1) {
      require(devices.keymapSeenBySeat() == keymap,
              "the compositor handed the window another keymap than the keyboard's");
    }
    const std::string step = "hit " + std::to_string(hit) + " on slot " + std::to_string(target);
    // A miss ends the wait too: it is the likeliest fault.
    shot = waitFor(layout + "-hit" + std::to_string(hit),
                   step + ": another lit key and a new count", [&](const Screenshot& s) {
                     if (tutor.missCounter(s) != noMisses) return true;
                     const std::optional<int> lit = soleLitKey(tutor, s);
                     return lit && *lit != target && tutor.hitCounter(s) != hitCounts.back();
                   });
    requireOf(shot, layout + "-hit" + std::to_string(hit), tutor.missCounter(shot) == noMisses,
              step + " counted a miss");
    target = *soleLitKey(tutor, shot);
    hitCounts.push_back(tutor.hitCounter(shot));
  }

  const int wrong = target == 0 ? 1 : 0;
  devices.tap(evdevKeyOfSlot(wrong));
  shot = waitFor(layout + "-miss", "a miss after the key of slot " + std::to_string(wrong),
                 [&](const Screenshot& s) { return tutor.missCounter(s) != noMisses; });
  const std::string name = layout + "-miss";
  requireOf(shot, name, soleLitKey(tutor, shot) == target, "the wrong key moved the target");
  requireOf(shot, name, tutor.hitCounter(shot) == hitCounts.back(),
            "the wrong key changed the hit count");
  requireOf(shot, name, tutor.missCounter(shot) == hitCounts[1],
            "the miss counter does not show what the hit counter showed after one hit");
}

}  // namespace
}  // namespace arvan::wayland

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s LAYOUT\n", argv[0]);
    return 2;
  }
  try {
    arvan::wayland::playDrill(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wayland drill (%s): %s\n", argv[1], e.what());
    return 1;
  }
  std::printf(
      "wayland drill (%s): %d hits by key position counted as hits, a wrong key as a miss\n",
      argv[1], arvan::wayland::kHits);
  return 0;
}
