#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Arvan developers
#
# Checks what a learner whose desktop is scaled to 150 % sees: the real
# program on a 1920x1080 virtual screen (Xvfb) whose X resources say
# Xft.dpi: 144, which Qt takes as a device pixel ratio of 1.5. Through a
# key drill it reads from the screen, after every hit, that the window's
# background shows no seam (every pixel of stretches of plain background is
# the design's blue) and that the hand spot the finger guide emptied shows
# nothing of the hand that stood there.
#
#   tests/x11/scaled_screen.sh ARVAN
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ "${2:-}" != --on-screen ]]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$here/scaled_screen.sh" \
    "$(realpath "$1")" --on-screen
fi
arvan=$1
source "$here/tutor_run.sh"
fail() {
  echo "scaled screen: $*" >&2
  cp "$work/shot.png" "${TMPDIR:-/tmp}/scaled-screen.png" 2>/dev/null &&
    echo "scaled screen: the screen is in ${TMPDIR:-/tmp}/scaled-screen.png" >&2
  exit 1
}

source "$here/drawn_keys.sh"
shot() { import -window root "$work/shot.png" && echo "$work/shot.png"; }

echo "Xft.dpi: 144" | xrdb -merge
[[ $(xrdb -query) == *"Xft.dpi:"*144* ]] || fail "the X server did not take Xft.dpi"

# How many pixels of an area of the last screenshot ("WxH+X+Y", device
# pixels) are not the design's blue.
not_blue() {
  convert "$work/shot.png" -crop "$1" +repage -fill black -opaque '#0000FF' \
    -fill white +opaque black -format '%[fx:round(mean * w * h)]' info:
}

# Stretches that show only the window's background in every state of a drill:
# the margins beside the design, a strip inside it left of the keyboard,
# and two bands across the whole screen, above the option frames and between
# the pressure bar and the keyboard.
background=(170x1080+0+0 1x1080+1750+0 60x1020+200+60 1920x6+0+355 1920x8+0+555)
expect_background() {
  for area in "${background[@]}"; do
    local seen
    seen=$(not_blue "$area")
    [[ "$seen" == 0 ]] || fail "$1: $seen pixels of the background in $area are not its blue"
  done
}

# The spots of the two hand pictures, a pixel inside their rectangles.
hand_spot() {
  awk "BEGIN { $awk_scale; l = ox + $1 * s + 1; t = 1800 * s + 1; w = 1215 * s - 2
    printf \"%dx%d+%d+%d\\n\", w, w, l, t }"
}
left_hand=$(hand_spot 3840)
right_hand=$(hand_spot 10320)

"$arvan" >"$work/arvan.log" 2>&1 &
arvan_pid=$!
timeout 60 xdotool search --sync --onlyvisible --class arvan >/dev/null || fail "no window"
sleep 1
shot >/dev/null
expect_background "at start-up"

# A drill ends when its pressure bar fills, sooner on a busy machine: Start
# begins another.
read -r start_x start_y < <(screen_point 9600 3712)
start_drill() { xdotool mousemove "$start_x" "$start_y" click 1 && sleep 0.5; }
start_drill
hit=0
starts=1
while ((hit < 12)); do
  target=$(slots_coloured "$(shot)" "$green")
  if [[ -z "$target" ]]; then
    ((starts < 5)) || fail "after hit $hit: no lit key after $starts starts"
    start_drill
    starts=$((starts + 1))
    continue
  fi
  [[ "$target" =~ ^[0-9]+$ ]] || fail "after hit $hit: more than one lit key ($target)"
  hit=$((hit + 1))
  xdotool key "${keycodes[$target]}"
  for _ in $(seq 50); do
    next=$(slots_coloured "$(shot)" "$green")
    [[ "$next" != "$target" ]] && break
    sleep 0.1
  done
  [[ "$next" =~ ^[0-9]+$ ]] || continue # the drill ended with the hit
  expect_background "after hit $hit"
  # The finger guide shows one hand, or both thumbs for the space bar: the
  # other spot shows nothing of the hand that stood there before.
  if [[ "$next" != 34 ]]; then
    left=$(not_blue "$left_hand")
    right=$(not_blue "$right_hand")
    ((left == 0 || right == 0)) ||
      fail "hit $hit: both hand spots show something (left $left, right $right pixels)"
    ((left + right > 0)) || fail "hit $hit: no finger guide"
  fi
done
kill "$arvan_pid"
wait "$arvan_pid" 2>/dev/null || true
arvan_pid=
echo "scaled screen: no seam and no picture left behind through a drill at Xft.dpi 144"
