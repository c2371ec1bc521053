#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Checks what the learner sees while holding a key, through real X key
# events: the real program on a 1920x1080 virtual screen (Xvfb), with the X
# keyboard layout set to US and then to Mongolian. In a key drill it holds the
# lit key down with XTest for 1.5 s, long past the server's auto-repeat delay,
# and checks that the key keeps its pressed look (a yellow face) and that no
# next target is lit until the key is released; then that the release lights
# the next one. It also checks that the window's title names the program once.
#
#   tests/x11/held_keys.sh ARVAN
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ "${2:-}" != --on-screen ]]; then
  # -noreset: a server that resets when its last client leaves (setxkbmap,
  # the first) forgets the layout just set.
  exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$here/held_keys.sh" "$(realpath "$1")" \
    --on-screen
fi
arvan=$1
source "$here/tutor_run.sh"
fail() {
  echo "held keys ($layout): $*" >&2
  exit 1
}

source "$here/drawn_keys.sh"
shot() { import -window root "$work/shot.png" && echo "$work/shot.png"; }

for layout in us mn; do
  setxkbmap "$layout"
  setxkbmap -query | grep -Eq "^layout: +$layout\$" || fail "the X server did not take the layout"
  "$arvan" >"$work/arvan.log" 2>&1 &
  arvan_pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --class arvan) || fail "no window"
  window=${window%%$'\n'*}
  sleep 1

  title=$(xprop -id "$window" _NET_WM_NAME)
  [[ $(grep -o Arvan <<<"$title" | wc -l) -eq 1 ]] || fail "the title names the program more than once: $title"

  read -r x y < <(screen_point 9600 3712)
  xdotool mousemove "$x" "$y" click 1  # Start
  sleep 0.5
  for hold in 1 2 3; do
    target=$(slots_coloured "$(shot)" "$green")
    [[ "$target" =~ ^[0-9]+$ ]] || fail "hold $hold: no single lit key before the press ($target)"
    xdotool keydown "${keycodes[$target]}"
    sleep 1.5
    read -r -a colours <<<"$(face_colours "$(shot)")"
    [[ "${colours[$target]}" == "$yellow" ]] ||
      fail "hold $hold: slot $target lost its pressed look while held (${colours[$target]})"
    lit=$(slots_coloured "$(shot)" "$green")
    [[ -z "$lit" ]] || fail "hold $hold: slot $lit lit while slot $target is still held"
    xdotool keyup "${keycodes[$target]}"
    sleep 0.5
    [[ $(slots_coloured "$(shot)" "$green") =~ ^[0-9]+$ ]] || fail "hold $hold: no next target after the release"
    [[ -z $(slots_coloured "$(shot)" "$yellow") ]] || fail "hold $hold: a key still looks pressed after the release"
  done
  kill "$arvan_pid"
  wait "$arvan_pid" 2>/dev/null || true
  arvan_pid=
done
setxkbmap us
echo "held keys: a held key stays pressed and holds the next target back, under the X layouts us and mn"
