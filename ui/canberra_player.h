// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The freedesktop sound theme's bell, played through libcanberra. The
// library is loaded when the player opens: linked to the program, it and the
// libraries it needs would be loaded at every start, before the window's
// first frame. It stays loaded for the program's life.

#include <QByteArray>
#include <memory>

#include "ui/bell_player.h"

struct ca_context;

namespace arvan {

class CanberraPlayer : public BellPlayer {
 public:
  CanberraPlayer();
  ~CanberraPlayer() override;

  // False where the library, the theme's bell file or a sound driver is missing.
  bool open() override;
  bool play() override;

 private:
  struct Functions;
  std::unique_ptr<Functions> canberra_;
  ca_context* context_ = nullptr;
  QByteArray bellFile_;
};

}  // namespace arvan
