// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The program's command line. The tutor has two options of its own, --help
// and --version, which answer without a display; Qt takes its own options
// (-platform, -display, ...) as it opens the display; anything else is
// refused.

#include <QCoreApplication>

namespace arvan {

// Prints the help or the version and exits, when the command line asks for
// either; returns otherwise. Runs before the display is opened.
void answerHelpOrVersion(int argc, char* argv[]);

// Exits with status 1 and a line on standard error when an argument is left
// that neither Qt nor the tutor takes.
void refuseUnknownArguments(const QCoreApplication& app);

}  // namespace arvan
