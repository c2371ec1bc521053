// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Starts a program on the X display named by $DISPLAY, waits for its first
// frame (as arvan_first_frame does), and then plays keys to it through the
// XTEST extension, watching its window from outside through DAMAGE:
//   - a drill hit: from the press of the lit key to the first damage that
//     the program's window takes after it;
//   - a wrong key in the drill, likewise;
//   - the processor time the program spends a key (all its threads) while
//     the practice text is copied at 100 keys a second.
// With --tutor the program is the tutor: the watcher clicks Start for the
// drill, finds the lit key by its colour, and opens the word typing from the
// menu. Without it the program is the floor, a bare window that repaints one
// key-sized rectangle per press, and it gets the same presses.
//
//   arvan_key_path [--tutor] [--presses N] --expect X,Y=RRGGBB PROGRAM [ARGUMENT...]
//
// prints one line: hit_ms=... wrong_ms=... typing_cpu_ms_a_key=... (medians
// over N presses each, 60 unless given; the processor time the median of
// five rounds of 100 keys, after 40 keys that are not counted)

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <QSize>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "app/main_window.h"
#include "bench/bench_platform.h"
#include "bench/practice_text_keys.h"
#include "bench/watched_program.h"
#include "keyboard/key_slots.h"
#include "tests/x11_keys.h"
#include "ui/design_placement.h"

using namespace arvan;
using namespace arvan::bench;
using namespace std::chrono_literals;

namespace {

constexpr std::size_t kWarmUpKeys = 40;
constexpr int kTypingRounds = 5;
constexpr int kKeysARound = 100;
constexpr auto kKeyPeriod = 10ms;  // 100 keys a second
constexpr auto kQuiet = 40ms;      // no damage for so long: the program has settled
constexpr std::uint8_t kAltKey = 64;
constexpr std::uint32_t kBlue = 0x0000FF;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The X key code (evdev + 8) of a key slot.
std::uint8_t xKeyOf(int slot) { return static_cast<std::uint8_t>(testing::x11KeyOfSlot(slot)); }

// The program's window under XTEST's keys and pointer, its damage watched.
class Player {
 public:
  Player(xcb_connection_t* x, xcb_window_t window) : x_(x), window_(window) {
    const auto damage = reply(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const auto* extension = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || extension == nullptr || !extension->present) {
      throw std::runtime_error("the X server has no DAMAGE extension");
    }
    damageEvent_ = extension->first_event + XCB_DAMAGE_NOTIFY;
    damage_ = xcb_generate_id(x);
    xcb_damage_create(x, damage_, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);

    const auto geometry = reply(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const auto at = reply(xcb_translate_coordinates_reply(
        x, xcb_translate_coordinates(x, window, root, 0, 0), nullptr));
    if (!geometry || !at) throw std::runtime_error("the window went away");
    size_ = QSize(geometry->width, geometry->height);
    originX_ = at->dst_x;
    originY_ = at->dst_y;
    placement_ = DesignPlacement::forWindow(QSizeF(size_));

    fake(XCB_MOTION_NOTIFY, 0, originX_ + size_.width() / 2, originY_ + size_.height() / 2);
    xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    settle();
  }

  // The time from the press of `key` to the first damage after it; the
  // key is released after the damage, and the program left to settle.
  Clock::duration pressToDamage(std::uint8_t key) {
    settle();
    const Clock::time_point pressed = Clock::now();
    fake(XCB_KEY_PRESS, key);
    const bool damaged = waitForDamage(1s);
    const Clock::duration took = Clock::now() - pressed;
    fake(XCB_KEY_RELEASE, key);
    if (!damaged) throw std::runtime_error("a key press left the window as it was");
    settle();
    return took;
  }

  void type(std::uint32_t key) {
    fake(XCB_KEY_PRESS, static_cast<std::uint8_t>(key));
    std::this_thread::sleep_for(kKeyPeriod / 2);
    fake(XCB_KEY_RELEASE, static_cast<std::uint8_t>(key));
    std::this_thread::sleep_for(kKeyPeriod / 2);
  }

  void tap(std::uint8_t key) {
    fake(XCB_KEY_PRESS, key);
    fake(XCB_KEY_RELEASE, key);
    settle();
  }

  // The colour near the lower left corner of a control.
  std::optional<std::uint32_t> pixelAt(const Rect& r) {
    const QPointF at = placement_.toPixels(QPointF(r.left + 60, r.top + r.height - 60));
    return pixelOf(x_, window_, static_cast<int>(at.x()), static_cast<int>(at.y()));
  }

  void click(const Control& c) {
    const QPointF at = placement_.toPixels(
        QPointF(c.rect.left + c.rect.width / 2.0, c.rect.top + c.rect.height / 2.0));
    fake(XCB_MOTION_NOTIFY, 0, originX_ + static_cast<int>(at.x()),
         originY_ + static_cast<int>(at.y()));
    fake(XCB_BUTTON_PRESS, 1);
    fake(XCB_BUTTON_RELEASE, 1);
    settle();
  }

  // The slot whose face shows the target's green, if any.
  std::optional<int> litSlot() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (pixelAt(faceRect(slot)) == 0x00FF00U) return slot;
    }
    return std::nullopt;
  }

  // Waits until the window has taken no damage for a while.
  void settle() {
    do {
      xcb_damage_subtract(x_, damage_, XCB_NONE, XCB_NONE);
      xcb_flush(x_);
    } while (waitForDamage(kQuiet));
  }

 private:
  void fake(std::uint8_t type, std::uint8_t detail, int rootX = 0, int rootY = 0) {
    xcb_test_fake_input(x_, type, detail, XCB_CURRENT_TIME, XCB_NONE,
                        static_cast<std::int16_t>(rootX), static_cast<std::int16_t>(rootY), 0);
    xcb_flush(x_);
  }

  bool waitForDamage(Clock::duration patience) {
    const Clock::time_point until = Clock::now() + patience;
    for (;;) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) {
        const bool damage = (event->response_type & 0x7F) == damageEvent_;
        std::free(event);
        if (damage) return true;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
      if (left.count() <= 0) return false;
      pollfd fd{xcb_get_file_descriptor(x_), POLLIN, 0};
      poll(&fd, 1, static_cast<int>(left.count()));
    }
  }

  xcb_connection_t* x_;
  xcb_window_t window_;
  xcb_damage_damage_t damage_ = 0;
  int damageEvent_ = 0;
  QSize size_;
  int originX_ = 0, originY_ = 0;
  DesignPlacement placement_;
};

// Copies the practice text at 100 keys a second: the processor time a key,
// the median of rounds of keys, after the first keys have filled the caches.
double typingCpuMsAKey(Player& player, const WatchedProgram& program) {
  const std::vector<std::uint32_t> text = practiceTextKeys();
  std::size_t next = 0;
  for (; next < kWarmUpKeys; ++next) player.type(text[next]);
  std::vector<double> rounds;
  for (int round = 0; round < kTypingRounds; ++round) {
    const Usage before = program.usage();
    for (int n = 0; n < kKeysARound; ++n) player.type(text[next++ % text.size()]);
    rounds.push_back(ms(program.usage().cpu - before.cpu) / kKeysARound);
  }
  return median(rounds);
}

struct Figures {
  std::vector<double> hits, wrongs;
  double typingCpuMsAKey = 0;
};

Figures playTutor(Player& player, const WatchedProgram& program, const Form& form, int presses) {
  Figures f;
  while (static_cast<int>(f.hits.size()) < presses) {
    std::optional<int> lit = player.litSlot();
    if (!lit) {  // no drill runs: the first, or the bar filled and ended it
      player.click(form.Start);
      lit = player.litSlot();
      if (!lit) throw std::runtime_error("Start lit no key");
    }
    f.hits.push_back(ms(player.pressToDamage(xKeyOf(*lit))));
    if (const std::optional<int> next = player.litSlot()) {
      f.wrongs.push_back(ms(player.pressToDamage(xKeyOf((*next + 7) % kLabelledSlotCount))));
    }
  }
  player.tap(kAltKey);  // ends the drill, which locks the menu
  player.click(form.lblMenu1);
  player.click(form.lblSubMenu1);
  if (player.pixelAt(form.Text1.rect) == kBlue) throw std::runtime_error("no practice text shown");
  f.typingCpuMsAKey = typingCpuMsAKey(player, program);
  return f;
}

Figures playFloor(Player& player, const WatchedProgram& program, int presses) {
  Figures f;
  for (int n = 0; n < presses; ++n) {
    f.hits.push_back(ms(player.pressToDamage(xKeyOf(n % kLabelledSlotCount))));
    f.wrongs.push_back(ms(player.pressToDamage(xKeyOf((n + 7) % kLabelledSlotCount))));
  }
  f.typingCpuMsAKey = typingCpuMsAKey(player, program);
  return f;
}

int usage() {
  std::fprintf(stderr,
               "usage: arvan_key_path [--tutor] [--presses N] --expect X,Y=RRGGBB "
               "PROGRAM [ARGUMENT...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool tutor = false;
  int presses = 60;
  std::vector<Expected> expected;
  int first = 1;
  for (; first < argc && argv[first][0] == '-'; ++first) {
    Expected e{};
    if (std::strcmp(argv[first], "--tutor") == 0) {
      tutor = true;
    } else if (std::strcmp(argv[first], "--presses") == 0 && first + 1 < argc) {
      presses = std::max(1, std::atoi(argv[++first]));
    } else if (std::strcmp(argv[first], "--expect") == 0 && first + 1 < argc &&
               parseExpected(argv[++first], e)) {
      expected.push_back(e);
    } else {
      return usage();
    }
  }
  if (first >= argc || expected.empty()) return usage();

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "arvan_key_path: cannot open the display\n");
    return 1;
  }
  int status = 0;
  try {
    WatchedProgram program(x, argv + first);
    program.waitForFirstFrame(expected);
    Player player(x, program.window());
    BenchPlatform platform;
    FormHit formHit(platform);
    formHit.load();
    const Figures f = tutor ? playTutor(player, program, formHit.form(), presses)
                            : playFloor(player, program, presses);
    std::printf("hit_ms=%.3f wrong_ms=%.3f typing_cpu_ms_a_key=%.3f\n", median(f.hits),
                median(f.wrongs), f.typingCpuMsAKey);
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "arvan_key_path: %s: %s\n", argv[first], e.what());
    status = 1;
  }
  xcb_disconnect(x);
  return status;
}
