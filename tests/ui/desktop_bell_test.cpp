// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/desktop_bell.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "ui/form_window.h"
#include "ui/qt_platform.h"

namespace arvan {
namespace {

using Log = std::vector<std::string>;

// Only a failing test waits this long.
constexpr std::chrono::seconds kGuard{10};

// What leaves the program, in the order it left, as the bell's thread
// reports it. Sounds can be held at the player, as a slow sound system
// holds the bell's thread, so that rings pile up behind one.
class Heard {
 public:
  void add(const std::string& what) {
    std::unique_lock lock(mutex_);
    log_.push_back(what);
    changed_.notify_all();
    changed_.wait(lock, [this] { return !holding_; });
  }
  [[nodiscard]] bool waitForEntries(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kGuard, [&] { return log_.size() >= count; });
  }
  [[nodiscard]] Log log() {
    std::lock_guard lock(mutex_);
    return log_;
  }
  [[nodiscard]] long sounds() {
    std::lock_guard lock(mutex_);
    return std::count(log_.begin(), log_.end(), "sound");
  }
  void hold(bool holding) {
    {
      std::lock_guard lock(mutex_);
      holding_ = holding;
    }
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  Log log_;
  bool holding_ = false;
};

// A player that tells `heard` of each sound; it opens, and plays its first
// `workingPlays` sounds, only as far as told.
class CountingPlayer : public BellPlayer {
 public:
  explicit CountingPlayer(Heard& heard, bool opens = true, int workingPlays = 1000)
      : heard_(heard), opens_(opens), workingPlays_(workingPlays) {}

  bool open() override {
    heard_.add(opens_ ? "open" : "cannot open");
    return opens_;
  }
  bool play() override {
    if (workingPlays_ == 0) {
      heard_.add("cannot play");
      return false;
    }
    --workingPlays_;
    heard_.add("sound");
    return true;
  }

 private:
  Heard& heard_;
  bool opens_;
  int workingPlays_;
};

Log repeated(Log log, int times, const std::string& entry) {
  log.insert(log.end(), static_cast<std::size_t>(times), entry);
  return log;
}

TEST(DesktopBell, RingsBeforeItOpensEachSoundOnceItIs) {
  Heard heard;
  {
    DesktopBell bell(std::make_unique<CountingPlayer>(heard), [&] { heard.add("system beep"); });
    bell.ring();
    bell.ring();
    EXPECT_EQ(heard.log(), Log{});
    bell.open();
    ASSERT_TRUE(heard.waitForEntries(3)) << ::testing::PrintToString(heard.log());
  }
  EXPECT_EQ(heard.log(), (Log{"open", "sound", "sound"}));
}

// Thirty wrong keys come while one sound holds the bell's thread, as at 30
// keys a second on a sound system that takes a while to start a sound.
TEST(DesktopBell, RingsThatComeWhileASoundStartsEachSoundAfterIt) {
  Heard heard;
  {
    DesktopBell bell(std::make_unique<CountingPlayer>(heard), [&] { heard.add("system beep"); });
    bell.open();
    ASSERT_TRUE(heard.waitForEntries(1));
    heard.hold(true);
    bell.ring();
    ASSERT_TRUE(heard.waitForEntries(2));  // the first sound is starting
    for (int n = 1; n < 30; ++n) bell.ring();
    heard.hold(false);
    ASSERT_TRUE(heard.waitForEntries(31)) << heard.sounds() << " sounds";
  }
  EXPECT_EQ(heard.log(), repeated({"open"}, 30, "sound"));
}

TEST(DesktopBell, WhereThePlayerCannotPlayEachRingIsOneSystemBeep) {
  {
    SCOPED_TRACE("no library, no bell file or no sound driver");
    Heard heard;
    {
      DesktopBell bell(std::make_unique<CountingPlayer>(heard, false),
                       [&] { heard.add("system beep"); });
      for (int n = 0; n < 3; ++n) bell.ring();
      bell.open();
      ASSERT_TRUE(heard.waitForEntries(4));
    }
    EXPECT_EQ(heard.log(), repeated({"cannot open"}, 3, "system beep"));
  }
  {
    SCOPED_TRACE("the sound system fails after a sound");
    Heard heard;
    {
      DesktopBell bell(std::make_unique<CountingPlayer>(heard, true, 1),
                       [&] { heard.add("system beep"); });
      for (int n = 0; n < 4; ++n) bell.ring();
      bell.open();
      ASSERT_TRUE(heard.waitForEntries(6));
    }
    EXPECT_EQ(heard.log(),
              (Log{"open", "sound", "cannot play", "system beep", "system beep", "system beep"}));
  }
}

// The program's window on the real platform, its bell counted where the
// sounds leave the program: start-up chooses the speed and the layout, and
// each choice rings once. The sound system opens once the window shows.
TEST(DesktopBell, TheProgramsWindowSoundsTwoBellsAtStartUpOnceItShows) {
  Heard heard;
  {
    QtPlatform platform([] {}, std::make_unique<CountingPlayer>(heard));
    FormWindow window(&platform);
    window.resize(1000, 689);
    QTest::qWait(50);
    EXPECT_EQ(heard.log(), Log{}) << "before the window shows";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.sounds() >= 2; },
                                std::chrono::milliseconds(kGuard).count()))
        << heard.sounds() << " sounds";
  }
  EXPECT_EQ(heard.log(), (Log{"open", "sound", "sound"}));
}

}  // namespace
}  // namespace arvan
