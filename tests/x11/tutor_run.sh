# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# What the checks that run the real tutor on their own Xvfb share, sourced
# once they are on it: the tutor on X whatever the test preset sets for the
# offscreen tests, a folder of their own in $work, and at exit the tutor
# ($arvan_pid, where one runs) ended and the folder removed.

export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
arvan_pid=
cleanup() {
  if [[ -n "$arvan_pid" ]]; then kill "$arvan_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
