// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/desktop_bell.h"

namespace arvan {

DesktopBell::DesktopBell(std::unique_ptr<BellPlayer> player, std::function<void()> systemBeep)
    : player_(std::move(player)), systemBeep_(std::move(systemBeep)), worker_([this] { run(); }) {}

DesktopBell::~DesktopBell() {
  tell([this] { stopping_ = true; });
  worker_.join();
}

void DesktopBell::run() {
  {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return opened_ || stopping_; });
    if (stopping_) return;
  }
  bool playerWorks = player_->open();
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return waiting_ > 0 || stopping_; });
      if (stopping_) break;
      --waiting_;
    }
    if (playerWorks) playerWorks = player_->play();
    if (!playerWorks) systemBeep_();
  }
}

}  // namespace arvan
