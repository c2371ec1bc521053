// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

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

}  // namespace arvan
