// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

#include <QApplication>

namespace arvan {

// The application as learners run it: its names, icon and style, and no
// shortcut that could take a key from the window. The program, its window
// tests, its benchmarks and its scripted session all start with this.
void configureApplication(QApplication& app);

}  // namespace arvan
