#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Reads the real tutor over AT-SPI, as a screen reader does
# (read_the_window.py): the program on a virtual X screen, with an
# accessibility bus of its own on a session bus of its own.
#
#   tests/accessibility/check_accessibility.sh ARVAN
set -euo pipefail
arvan=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [[ "${2:-}" != --on-buses ]]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" \
    dbus-run-session -- "$here/check_accessibility.sh" "$arvan" --on-buses
fi

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
"$arvan" &
tutor=$!
trap 'kill "$tutor" "$bus" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
# Debian's Python, which has the GObject bindings of AT-SPI.
/usr/bin/python3 "$here/read_the_window.py"
