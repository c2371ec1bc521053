#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Plays a drill in a real Chromium window on a virtual screen (Xvfb), its keys
# pressed through the X server with the X keyboard layout set to US and then
# to Mongolian, so that the browser makes each KeyboardEvent from a real key
# and a real layout. Needs the built site (ARVAN_SITE) and tests/web's
# packages, which the web preset's tests provide.
set -euo pipefail
cd "$(dirname "$0")"

if [[ "${1:-}" != --on-screen ]]; then
  # -noreset: a server that resets when its last client leaves (setxkbmap,
  # the first) forgets the layout just set.
  exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ./os_layouts.sh --on-screen
fi

for layout in us mn; do
  setxkbmap "$layout"
  if ! setxkbmap -query | grep -Eq "^layout: +$layout\$"; then
    echo "os layouts: the X server did not take the layout $layout" >&2
    exit 1
  fi
  CHROMIUM=$(command -v chromium) ARVAN_SITE="${ARVAN_SITE:-$PWD/../../build/web}" \
    ARVAN_ENGINE=chromium node os_layouts.mjs "$layout"
done
