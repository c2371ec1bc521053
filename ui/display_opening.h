// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Opening the display. Where there is none to open (no X server or Wayland
// compositor within reach), Qt prints several lines and aborts the program;
// the tutor says so in one line on standard error and exits with status 1
// instead.

#include <QApplication>
#include <memory>

namespace arvan {

// The application, on the display that Qt's platform opened. `argc` must
// live as long as the application.
[[nodiscard]] std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);

}  // namespace arvan
