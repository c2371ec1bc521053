#pragma once

// The desktop's alert sound: the freedesktop sound theme's bell played
// through libcanberra on a thread of its own, so that ringing never blocks
// the key path. Where no sound server answers, it falls back to Qt's beep.
// It opens the sound system only when told to: opening it takes the
// processor for some milliseconds that the window's first frame needs more.
// Rings before then wait, and sound once it is open.

#include <condition_variable>
#include <mutex>
#include <thread>

namespace arvan {

class DesktopBell {
 public:
  DesktopBell();
  ~DesktopBell();
  DesktopBell(const DesktopBell&) = delete;
  DesktopBell& operator=(const DesktopBell&) = delete;

  void open();
  void ring();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable wake_;
  int pending_ = 0;
  bool opened_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace arvan
