// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The tutor's bell. Each ring is one sound, played on a thread of the bell's
// own so that ringing never blocks the key path: rings that come faster than
// the sounds start wait their turn, none merged. The player (libcanberra in
// the program) is opened on the bell's thread when the bell is told to; rings
// before then wait, and each sounds once it is open. Where the player cannot
// play, each ring is one system beep.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace arvan {

// Where the bell's rings leave the program as sound. The bell calls it from
// its own thread only.
class BellPlayer {
 public:
  BellPlayer() = default;
  virtual ~BellPlayer() = default;
  BellPlayer(const BellPlayer&) = delete;
  BellPlayer& operator=(const BellPlayer&) = delete;

  // Readies the sound system; false where it cannot play.
  virtual bool open() = 0;
  // Starts one bell, over any still sounding; false where it could not.
  virtual bool play() = 0;
};

// The freedesktop sound theme's bell, played through libcanberra. It cannot
// open where the library, the theme's bell file or a sound driver is missing.
[[nodiscard]] std::unique_ptr<BellPlayer> canberraPlayer();

class DesktopBell {
 public:
  DesktopBell(std::unique_ptr<BellPlayer> player, std::function<void()> systemBeep);
  ~DesktopBell();
  DesktopBell(const DesktopBell&) = delete;
  DesktopBell& operator=(const DesktopBell&) = delete;

  void open() {
    tell([this] { opened_ = true; });
  }
  void ring() {
    tell([this] { ++waiting_; });
  }

 private:
  void run();
  // Changes what the bell's thread waits on, and wakes it.
  template <typename Change>
  void tell(Change change) {
    {
      std::lock_guard lock(mutex_);
      change();
    }
    wake_.notify_one();
  }

  std::unique_ptr<BellPlayer> player_;
  std::function<void()> systemBeep_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int waiting_ = 0;  // rings not yet sounded
  bool opened_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace arvan
